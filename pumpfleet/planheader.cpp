#include "planheader.h"

namespace {

QString counted(int count, const char *singular, const char *plural)
{
    if (count == 0)
        return QStringLiteral("no %1").arg(QLatin1String(singular));
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

} // namespace

QByteArray PlanHeader::lastLine(const QByteArray &bytes)
{
    const QByteArray withoutEnd = bytes.endsWith('\n') ? bytes.chopped(1) : bytes;
    return withoutEnd.mid(withoutEnd.lastIndexOf('\n') + 1);
}

bool PlanHeader::isBlankLine(const QByteArray &line)
{
    for (const char byte : line) {
        if (byte != ',' && byte != ';' && byte != '\r')
            return false;
    }
    return true;
}

char PlanHeader::separatorOf(const QByteArray &header)
{
    int i = 0;
    const auto skipSpaces = [&] {
        while (i < header.size() && header.at(i) == ' ')
            ++i;
    };
    skipSpaces();
    const bool quoted = i < header.size() && header.at(i) == '"';
    i += quoted ? 1 : 0;
    if (header.mid(i, 4).toLower() != "pump")
        return 0;
    i += 4;
    if (quoted && (i >= header.size() || header.at(i++) != '"'))
        return 0;
    skipSpaces();
    if (i == header.size() || header.at(i) == '\r' || header.at(i) == '\n')
        return ',';
    const char next = header.at(i);
    return next == ',' || next == ';' ? next : 0;
}

QString PlanHeader::describe(const QByteArray &header)
{
    constexpr int shownCharacters = 24;
    const QString text = QString::fromUtf8(header).remove(QLatin1Char('\r'));
    QString shown;
    for (const QChar character : text.left(shownCharacters)) {
        if (character == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (character.unicode() < 0x20)
            shown += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += character;
    }
    if (text.size() > shownCharacters)
        shown += QLatin1String("...");
    QString found = counted(header.count(','), "comma", "commas") + QLatin1String(", ")
        + counted(header.count(';'), "semicolon", "semicolons");
    if (header.count('\t') > 0)
        found += QLatin1String(", ") + counted(header.count('\t'), "tab", "tabs");
    return QStringLiteral("the header row does not begin with \"pump\" followed by a comma or "
                          "a semicolon: it begins \"%1\" and holds %2")
        .arg(shown, found);
}
