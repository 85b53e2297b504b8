#include "shell/startup.h"
#include "shell/translations.h"

#include <QCoreApplication>

namespace {

// Run by Qt as the application object is made, before the first message box or window, so
// that every text of the program is looked up in the learner's language.
void installLearnersTranslation()
{
    corvella::installTranslations();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installLearnersTranslation)

int main(int argc, char* argv[])
{
    return corvella::runApplication(argc, argv);
}
