#pragma once

#include <QString>

namespace corvella {

// The user's folders by the base-directory rules: an XDG_* variable counts only when it holds
// an absolute path; otherwise the folder under the home folder is used. The home folder is
// $HOME when that is absolute, else the one the password database names for the user.

// The user's home folder; empty only when neither source names one.
QString userHomeFolder();
// $XDG_CONFIG_HOME, or ~/.config.
QString userConfigFolder();
// $XDG_DATA_HOME, or ~/.local/share.
QString userDataFolder();
// The folder this program keeps its files in: the program's own folder under the data folder.
// Not created here.
QString programDataFolder();
// $XDG_STATE_HOME, or ~/.local/state.
QString userStateFolder();
// Where the program keeps what it remembers of its windows, which is no data of the user's:
// its own folder under the state folder. Not created here.
QString programStateFolder();

} // namespace corvella
