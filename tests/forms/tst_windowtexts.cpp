#include "mainwindow.h"
#include "programbinding.h"
#include "windowlanguage.h"
#include "windowmessages.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// Every text the tool's window shows can be found by lupdate, so that a translator
// gets to it; the catalogues in the tree translate every one; and in each of their
// languages the window comes up translated.

namespace {

using Message = QPair<QString, QString>; // context, source text

// A catalogue as lupdate writes it: each message with its translation, empty while
// unfinished.
QMap<Message, QString> readCatalogue(const QString &path)
{
    QMap<Message, QString> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            messages.insert({ context, source }, finished ? text : QString());
        }
    }
    return messages;
}

// Answers nothing, so the window shows its English texts, and keeps every text the
// window had translated.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        asked.insert({ QString::fromUtf8(context), QString::fromUtf8(sourceText) });
        return QString();
    }
    bool isEmpty() const override { return false; }

    mutable QSet<Message> asked;
};

// What the window shows in words, by widget: labels, buttons and combo-box items.
QMap<QString, QString> shownTexts(const QWidget *window)
{
    QMap<QString, QString> texts;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        const QString name = widget->objectName();
        if (auto *label = qobject_cast<const QLabel *>(widget)) {
            if (!label->text().isEmpty())
                texts.insert(name, label->text());
        } else if (auto *button = qobject_cast<const QPushButton *>(widget)) {
            texts.insert(name, button->text());
        } else if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
            // The connection box lists the system's serial ports behind its one text.
            const int items = name == QLatin1String("dropDownConnection") ? 1 : combo->count();
            for (int i = 0; i < items; ++i)
                texts.insert(name + QLatin1Char('#') + QString::number(i), combo->itemText(i));
        }
    }
    return texts;
}

QStringList inputMasks(const QWidget *window)
{
    QStringList masks;
    const QList<QLineEdit *> edits = window->findChildren<QLineEdit *>();
    for (const QLineEdit *edit : edits)
        masks.append(edit->objectName() + QLatin1Char('=') + edit->inputMask());
    return masks;
}

// The form's settings, as the window's messages name them.
QVector<FormField> profileFields()
{
    QVector<FormField> fields;
    for (const SettingDescription &setting : ProgramBinding::profile().settings()) {
        FormField field {};
        field.setting = &setting;
        fields.append(field);
    }
    return fields;
}

// Every message the window can give, with each setting named in it.
QStringList everyMessage()
{
    const QVector<FormField> fields = profileFields();
    QVector<SettingDifference> differences;
    for (const FormField &field : fields)
        differences.append({ field, QStringLiteral("On\r"), QStringLiteral("Static") });
    QStringList messages = { WindowMessages::noPumpAnswered(),
                             WindowMessages::unknownSettings(fields),
                             WindowMessages::settingsNotRead(3, 13),
                             WindowMessages::settingsNotRead(13, 13),
                             WindowMessages::pumpSilentAfterRestart("ttyUSB0", true),
                             WindowMessages::pumpSilentAfterRestart("10.0.0.5", false),
                             WindowMessages::settingsConfirmed(),
                             WindowMessages::settingsDiffer(differences),
                             WindowMessages::waitingForPump() };
    for (const bool accessible : { false, true }) {
        for (const auto error : { QSerialPort::PermissionError, QSerialPort::DeviceNotFoundError })
            messages.append(
                WindowMessages::portNotOpened("ttyUSB0", error, "Permission denied", accessible));
    }
    return messages;
}

// Words every language writes the same; any other text must read differently.
bool staysTheSame(const QString &english)
{
    static const QStringList words = { "DHCP", "Ethernet", "Bluetooth", "Telnet", ":" };
    return words.contains(english);
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%\\d").globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

} // namespace

class TestWindowTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lupdateFindsEveryShownText();
    void everyLanguageTranslatesEveryText_data();
    void everyLanguageTranslatesEveryText();
    void theSystemsLanguageChoosesTheWindows_data();
    void theSystemsLanguageChoosesTheWindows();
    void cleanup();

private:
    QMap<Message, QString> extracted;
    QMap<QString, QString> english;
    QString englishTitle;
    QStringList englishMasks;
};

void TestWindowTexts::initTestCase()
{
    // lupdate over the same folders as the catalogues' update, as it finds them now.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ts = dir.filePath(QStringLiteral("extracted.ts"));
    QStringList arguments = QStringLiteral(PUMPTOOLS_TRANSLATED_FOLDERS).split(QLatin1Char(','));
    arguments << "-silent"
              << "-locations"
              << "none"
              << "-ts" << ts;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(PUMPTOOLS_SOURCE_DIR));
    lupdate.start(QStringLiteral(PUMPTOOLS_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(60000), PUMPTOOLS_LUPDATE);
    QCOMPARE(lupdate.exitCode(), 0);
    extracted = readCatalogue(ts);
    QVERIFY(!extracted.isEmpty());
}

void TestWindowTexts::cleanup() { WindowLanguage::install(QLocale::c()); }

void TestWindowTexts::lupdateFindsEveryShownText()
{
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    MainWindow window;
    english = shownTexts(&window);
    englishTitle = window.windowTitle();
    englishMasks = inputMasks(&window);
    QMetaObject::invokeMethod(&window, "on_search_timeout");
    const QString placeholder = window.findChild<QComboBox *>("dropDownPumps")->placeholderText();
    const QStringList messages = everyMessage();
    QCoreApplication::removeTranslator(&recorder);
    QCOMPARE(placeholder, WindowMessages::noPumpAnswered());

    // Every text the window had translated is one lupdate found; Qt's own classes
    // ("QGuiApplication") bring theirs.
    QStringList unfound;
    for (const Message &message : qAsConst(recorder.asked)) {
        if (!message.first.startsWith(QLatin1Char('Q')) && !extracted.contains(message))
            unfound.append(message.first + QLatin1String(": ") + message.second);
    }
    unfound.sort();
    QVERIFY2(unfound.isEmpty(), qPrintable(unfound.join(QLatin1String(" | "))));
    // And every text of its form went through a translation.
    QStringList untranslated;
    QSet<QString> askedTexts;
    for (const Message &message : qAsConst(recorder.asked))
        askedTexts.insert(message.second);
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (!askedTexts.contains(it.value()))
            untranslated.append(it.key() + QLatin1Char('=') + it.value());
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1String(" | "))));
}

void TestWindowTexts::everyLanguageTranslatesEveryText_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : WindowLanguage::available())
        QTest::newRow(qPrintable(language)) << language;
}

void TestWindowTexts::everyLanguageTranslatesEveryText()
{
    QFETCH(QString, language);
    QVERIFY(!english.isEmpty());
    // The catalogue in the tree translates every text lupdate finds, placeholders kept.
    const QMap<Message, QString> catalogue = readCatalogue(
        QStringLiteral(PUMPTOOLS_SOURCE_DIR "/translations/pumptools_%1.ts").arg(language));
    for (auto it = extracted.cbegin(); it != extracted.cend(); ++it) {
        const QString where = it.key().first + QLatin1String(": ") + it.key().second;
        const QString translation = catalogue.value(it.key());
        QVERIFY2(!translation.isEmpty(), qPrintable(where));
        QCOMPARE(placeholders(translation), placeholders(it.key().second));
    }

    // The window comes up in the language: every text translated, none empty.
    const QStringList englishMessages = everyMessage();
    QVERIFY(WindowLanguage::install(QLocale(language)).startsWith(language.left(2)));
    MainWindow window;
    const QMap<QString, QString> shown = shownTexts(&window);
    QCOMPARE(shown.keys(), english.keys());
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const QString text = shown.value(it.key());
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(it.key()));
        if (!staysTheSame(it.value()))
            QVERIFY2(text != it.value(), qPrintable(it.key() + QLatin1Char('=') + text));
    }
    // What is no text to read stays as it is: the program's name and the input masks.
    QCOMPARE(window.windowTitle(), englishTitle);
    QCOMPARE(inputMasks(&window), englishMasks);
    const QStringList messages = everyMessage();
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(messages.at(i) != englishMessages.at(i), qPrintable(messages.at(i)));
    // Qt's own texts speak it too: a message box's buttons.
    if (language != QLatin1String("de") && language != QLatin1String("fr"))
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "OK") != QLatin1String("OK"));
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
}

void TestWindowTexts::theSystemsLanguageChoosesTheWindows_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de";
    QTest::newRow("Canadian French") << "fr_CA"
                                     << "fr";
    QTest::newRow("Mexican Spanish") << "es_MX"
                                     << "es";
    QTest::newRow("Simplified Chinese") << "zh_CN"
                                        << "zh_CN";
    QTest::newRow("Traditional Chinese") << "zh_TW"
                                         << "en";
    QTest::newRow("Japanese") << "ja_JP"
                              << "en";
    QTest::newRow("British English") << "en_GB"
                                     << "en";
    QTest::newRow("C") << "C"
                       << "en";
}

void TestWindowTexts::theSystemsLanguageChoosesTheWindows()
{
    QFETCH(QString, locale);
    QFETCH(QString, spoken);
    const QString installed = WindowLanguage::install(QLocale(locale));
    QVERIFY2(installed.startsWith(spoken), qPrintable(installed));
    const bool english = spoken == QLatin1String("en");
    QCOMPARE(QCoreApplication::translate("MainWindow", "Search Pumps") == "Search Pumps", english);
}

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
