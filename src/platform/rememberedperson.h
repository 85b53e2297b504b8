#pragma once

#include <QString>

#include <optional>

namespace corvella {

// The name and dates last typed into Your Numbers, kept in the program's data folder so that
// they come back when the window opens next time.
struct RememberedPerson
{
    QString name;
    QString birth;  // as typed, "yyyy-MM-dd"
    QString lookAt; // as typed, "yyyy-MM-dd"; empty when the chart looked at the day it was made

    bool operator==(const RememberedPerson& other) const
    {
        return name == other.name && birth == other.birth && lookAt == other.lookAt;
    }
};

// programDataFolder() + "/your-numbers.txt"; nothing when it is absent or cannot be read (not
// this format, too large, not text). Read only when asked, never at start-up.
std::optional<RememberedPerson> loadRememberedPerson();
// Written through replaceFileContents, the folder created (mode 0700) when missing. False when
// it could not be stored; the file is then as it was.
bool saveRememberedPerson(const RememberedPerson& person);
// Removes the file; true when none is left.
bool forgetRememberedPerson();

} // namespace corvella
