// Molvix: an ideal gas to watch and steer. No files or settings are read;
// every run starts from the same gas. The command line only picks the
// language (--lang es|en) or asks for help.
#include "language.h"
#include "program.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {

bool wantsHelp(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            return true;
        }
    }
    return false;
}

// Picks the language and installs its translation; says so on stderr when
// --lang named a language the program does not have.
void setLanguage()
{
    using namespace molvix::i18n;
    const LanguageChoice choice = chooseLanguage(
        QCoreApplication::arguments(), QLocale::system().uiLanguages(), availableLanguages());
    installTranslation(choice.language);
    if (!choice.unknown.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                QCoreApplication::translate(
                    "main", "molvix: no hay traducción para «%1» (hay %2); se usa el español")
                    .arg(choice.unknown, availableLanguages().join(u'|'))));
    }
}

// The help needs no display, so it is written before any window exists.
int printHelp(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    setLanguage();
    const QString help = QCoreApplication::translate(
        "main", "Uso: molvix [--lang CÓDIGO]\n"
                "Simulación de un gas ideal de esferas duras en una caja con émbolo.\n"
                "\n"
                "  --lang CÓDIGO  idioma de la interfaz: %1\n"
                "                 (sin --lang: el del sistema si hay traducción; si no, español)\n"
                "  --help         muestra esta ayuda\n"
                "\n"
                "El manual va dentro del programa: F1, en cualquier ventana, abre la ayuda\n"
                "(mandos, lecturas, el modelo y experimentos para el aula); Mayús+F1 explica\n"
                "el mando que tiene el foco.\n");
    std::fputs(qPrintable(help.arg(molvix::i18n::availableLanguages().join(u'|'))), stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (wantsHelp(argc, argv)) {
        return printHelp(argc, argv);
    }
    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    setLanguage();
    ProgramWindows windows = startProgram();
    const int code = MolvixApplication::exec();
    endProgram(windows);
    return code;
}
