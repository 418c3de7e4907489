#include "windowlanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <QVector>

static void initTranslationResource() { Q_INIT_RESOURCE(pumptranslations); }

namespace {

const QString catalogueFolder = QStringLiteral(":/i18n");
const QString cataloguePrefix = QStringLiteral("pumptools_");

// The translators installed last, owned by the application.
QVector<QPointer<QTranslator>> &installedTranslators()
{
    static QVector<QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalled()
{
    for (const QPointer<QTranslator> &translator : qAsConst(installedTranslators())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installedTranslators().clear();
}

// The translator installed from the catalogue `name` in `folder`, or null when there
// is none. "pumptools_de_AT" is looked for as itself, then as "pumptools_de".
QTranslator *installFrom(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    installedTranslators().append(translator);
    return translator;
}

// Qt's translation of its own texts: embedded beside ours in the Windows programs,
// else in translations/ beside the program, else where Qt was installed (Debian:
// qttranslations5-l10n, qt6-translations-l10n). Only qtbase: Qt Serial Port's
// texts reach the log, which stays English.
void installQtTranslation(const QString &language)
{
#if QT_VERSION_MAJOR < 6
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    const QString name = QStringLiteral("qtbase_") + language;
    const QString besideProgram
        = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    for (const QString &folder : { catalogueFolder, besideProgram, qtFolder }) {
        if (installFrom(name, folder))
            return;
    }
}

} // namespace

QString WindowLanguage::install(const QLocale &locale)
{
    initTranslationResource();
    removeInstalled();
    QVector<QLocale::Language> missing;
    for (const QString &uiLanguage : locale.uiLanguages()) {
        // "zh-Hans-CN" and "zh-CN" both name the catalogue "zh_CN".
        const QLocale preferred(uiLanguage);
        if (preferred.language() == QLocale::English || preferred.language() == QLocale::C)
            break;
        // A list may go on from "zh-TW" to plain "zh", which names Simplified Chinese:
        // a language whose variant is missing is not spoken in another one.
        if (missing.contains(preferred.language()))
            continue;
        const QTranslator *ours = installFrom(cataloguePrefix + preferred.name(), catalogueFolder);
        if (!ours) {
            missing.append(preferred.language());
            continue;
        }
        installQtTranslation(ours->language());
        return ours->language();
    }
    return QStringLiteral("en");
}

QStringList WindowLanguage::available()
{
    initTranslationResource();
    QStringList languages;
    const QStringList catalogues
        = QDir(catalogueFolder).entryList({ cataloguePrefix + QStringLiteral("*.qm") });
    for (const QString &catalogue : catalogues)
        languages.append(catalogue.mid(cataloguePrefix.size()).chopped(3));
    return languages;
}
