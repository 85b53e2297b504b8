#include "platform/windowplaces.h"

#include "platform/userfile.h"
#include "platform/userfolders.h"

#include <QList>

namespace corvella {

namespace {

const QByteArray Header = QByteArrayLiteral("CorvellaFreeLearnNumerology windows 1");
const QByteArray End = QByteArrayLiteral("end");
// A handful of lines: anything larger is not ours.
constexpr qint64 MaximumSize = 16 * 1024;
// No window is larger than this, nor further from the origin: a number beyond it is garbage.
constexpr int Largest = 100000;

// The names are ours and plain: letters, digits and hyphens.
bool isPlainName(const QByteArray& name)
{
    if (name.isEmpty() || name.size() > 40)
        return false;
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    }
    return true;
}

bool readNumber(const QByteArray& field, const char* key, int* value)
{
    const QByteArray prefix = QByteArray(key) + '=';
    if (!field.startsWith(prefix))
        return false;
    bool ok = false;
    *value = field.mid(prefix.size()).toInt(&ok);
    return ok && *value >= -Largest && *value <= Largest;
}

} // namespace

WindowPlaces readWindowPlaces(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 3 || lines.takeFirst() != Header || !lines.constLast().isEmpty())
        return {};
    lines.removeLast(); // after the final line break
    if (lines.takeLast() != End)
        return {};
    WindowPlaces places;
    for (const QByteArray& line : std::as_const(lines)) {
        const QList<QByteArray> fields = line.split(' ');
        QRect place;
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        if (fields.size() != 6 || fields[0] != "window" || !fields[1].startsWith("name=") ||
            !readNumber(fields[2], "x", &x) || !readNumber(fields[3], "y", &y) ||
            !readNumber(fields[4], "width", &width) || !readNumber(fields[5], "height", &height) ||
            width <= 0 || height <= 0)
            return {};
        const QByteArray name = fields[1].mid(5);
        if (!isPlainName(name))
            return {};
        places.insert(QString::fromLatin1(name), QRect(x, y, width, height));
    }
    return places;
}

QByteArray windowPlacesText(const WindowPlaces& places)
{
    QByteArray text = Header + '\n';
    for (auto it = places.constBegin(); it != places.constEnd(); ++it) {
        const QRect& r = it.value();
        text += QStringLiteral("window name=%1 x=%2 y=%3 width=%4 height=%5\n")
                    .arg(it.key())
                    .arg(r.x())
                    .arg(r.y())
                    .arg(r.width())
                    .arg(r.height())
                    .toLatin1();
    }
    return text + End + '\n';
}

QString windowPlacesFile()
{
    const QString folder = programStateFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/windows.txt");
}

WindowPlaces loadWindowPlaces()
{
    const QString path = windowPlacesFile();
    if (path.isEmpty())
        return {};
    const UserFileRead read = readUserFile(path, MaximumSize);
    return read.status == UserFileRead::Status::Read ? readWindowPlaces(read.bytes)
                                                     : WindowPlaces();
}

bool keepWindowPlace(const QString& name, const QRect& place)
{
    const QString path = windowPlacesFile();
    if (path.isEmpty() || !makeUserFolder(programStateFolder()))
        return false;
    WindowPlaces places = loadWindowPlaces();
    if (places.value(name) == place && places.contains(name))
        return true;
    places.insert(name, place);
    return replaceFileContents(path, windowPlacesText(places));
}

} // namespace corvella
