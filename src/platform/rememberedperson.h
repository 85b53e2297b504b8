#pragma once

#include <QString>

#include <optional>

namespace corvella {

// The person last charted in Your Numbers, as typed (birth and lookAt "yyyy-MM-dd").
struct RememberedPerson
{
    QString name;
    QString birth;
    QString lookAt;
};

// programDataFolder() + "/your-numbers.txt"; nothing when absent or unreadable.
std::optional<RememberedPerson> loadRememberedPerson();
// Written when a chart is calculated.
bool saveRememberedPerson(const RememberedPerson& person);
bool forgetRememberedPerson();

} // namespace corvella
