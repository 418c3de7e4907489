#ifndef WINDOWLANGUAGE_H
#define WINDOWLANGUAGE_H

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the windows speak. Their texts are written in English; the system's
// UI languages are taken in order of preference, and the first one the windows
// have a translation for is spoken, with Qt's own translation of its standard texts
// (a message box's buttons) beside it. English comes when it is preferred to every
// language there is a translation for, or when there is none. Nothing is stored.
class WindowLanguage
{
public:
    // Installs on the application the translations for `locale`'s UI languages, in
    // place of any installed before. Returns the language now spoken, as its
    // catalogue names it ("de", "zh_CN"), or "en" for English.
    static QString install(const QLocale &locale = QLocale::system());

    // The languages there is a translation for, English not among them.
    static QStringList available();
};

#endif // WINDOWLANGUAGE_H
