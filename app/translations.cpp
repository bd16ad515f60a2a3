#include "app/translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace {

struct Catalogues {
    std::unique_ptr<QTranslator> varnel;
    std::unique_ptr<QTranslator> qtBase;
    std::unique_ptr<QTranslator> qtSupplement;
    bool loaded = false;
};

Catalogues& catalogues() {
    static Catalogues instance;
    return instance;
}

// A catalogue for the first of the locale's languages that has one ("de_AT" finds "de").
std::unique_ptr<QTranslator> load(const QLocale& locale, const QString& name) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), QStringLiteral(":/i18n")))
        return nullptr;
    return translator;
}

void install(const Catalogues& c) {
    if (!QCoreApplication::instance())
        return;
    // The translator installed last is asked first: Qt's catalogue before our supplement,
    // which so fills only the texts Qt's lacks.
    for (QTranslator* translator : {c.qtSupplement.get(), c.qtBase.get(), c.varnel.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
}

void loadFor(const QLocale& locale) {
    Catalogues& c = catalogues();
    // Qt's base catalogue goes with Varnel's: a language Varnel does not speak keeps the
    // dialogs and the parser's texts in English too, rather than a mixture.
    c.varnel = load(locale, QStringLiteral("varnel"));
    c.qtBase = c.varnel ? load(locale, QStringLiteral("qtbase")) : nullptr;
    c.qtSupplement = c.varnel ? load(locale, QStringLiteral("qt_supplement")) : nullptr;
    c.loaded = true;
}

} // namespace

void installTranslations() {
    if (!catalogues().loaded)
        loadFor(QLocale::system());
    install(catalogues());
}

void installTranslations(const QLocale& locale) {
    loadFor(locale); // the earlier translators are removed as they are destroyed
    install(catalogues());
}

QString translatedWithoutApplication(const char* context, const char* sourceText) {
    const Catalogues& c = catalogues();
    const QString translated = c.varnel ? c.varnel->translate(context, sourceText) : QString();
    return translated.isEmpty() ? QString::fromUtf8(sourceText) : translated;
}
