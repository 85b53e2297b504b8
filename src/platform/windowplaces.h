#pragma once

#include <QByteArray>
#include <QMap>
#include <QRect>
#include <QString>

namespace corvella {

// Where the learner left each of the program's secondary windows, by the window's name: the top
// left corner of its frame and the size of its inside. Kept in windows.txt in the program's
// state folder, apart from the settings, and read again when a window opens:
//
//   CorvellaFreeLearnNumerology windows 1
//   window name=practice x=700 y=40 width=640 height=520
//   end
//
// A file that is not exactly this (garbled, cut short, of another format) counts as empty.
using WindowPlaces = QMap<QString, QRect>;

WindowPlaces readWindowPlaces(const QByteArray& text);
QByteArray windowPlacesText(const WindowPlaces& places);

// The file's path; empty when the user has no home folder.
QString windowPlacesFile();
// The places in the file; empty when it is missing, unreadable or garbled. Only a regular file
// is read, and it is opened so that a pipe in its place never blocks.
WindowPlaces loadWindowPlaces();
// Keeps this window's place, the others' as they are in the file. The folders are made (0700)
// when missing. False when the file could not be written.
bool keepWindowPlace(const QString& name, const QRect& place);

} // namespace corvella
