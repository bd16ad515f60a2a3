#include "app/cli.h"

#include "app/consoleoutput.h"
#include "app/translations.h"
#include "app/workingmemory.h"
#include "compose/imaging.h"
#include "compose/picturefile.h"
#include "compose/skincomposition.h"
#include "compose/tintsuggestion.h"
#include "export/skinexport.h"
#include "export/skinname.h"
#include "export/stagemarks.h"
#include "host/hostfoldersearch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

ParsedCommandLine usageError(const QString& text) {
    return {std::nullopt, std::nullopt,
            //: The command line's error. %1: what is wrong, one of the usage messages.
            QCoreApplication::translate("CommandLine",
                                        "varnel: %1\nTry 'varnel --help' for more information.")
                .arg(text),
            ExitUsage};
}

int reportNoHostFolder(const HostFolderSearch& search) {
    printLine(stderr, QCoreApplication::translate("Messages", NoHostFolderMessage));
    for (const QString& miss : search.misses)
        printLine(stderr, QStringLiteral("  ") + miss);
    return ExitFailure;
}

// The lookup as the window makes it, and then whether the folder can hold the skins: a
// setting is taken as written, so a folder that is not there (or "~/N7", or a relative
// path) is reported as a failed place rather than as the answer.
HostFolderSearch findUsableHostFolder() {
    HostFolderSearch search = findHostFolder();
    if (!search.found())
        return search;
    if (const QString problem = hostFolderProblem(search.folder); !problem.isEmpty()) {
        search.misses.append(
            //: A line of the places looked at. %1: where the folder was named; %2: the folder;
            //: %3: why it cannot hold the skins.
            QCoreApplication::translate("HostFolder", "%1: Directory \"%2\": %3")
                .arg(search.source, search.folder, problem));
        search.folder.clear();
        search.source.clear();
    }
    return search;
}

// "X,Y" with both from 0 to 1 (a decimal point, never a comma, whatever the locale).
std::optional<FocusPoint> parseFocus(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    double values[2] = {};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        values[i] = parts[i].toDouble(&ok);
        if (!ok || !(values[i] >= 0 && values[i] <= 1)) // also refuses nan
            return std::nullopt;
    }
    return FocusPoint{values[0], values[1]};
}

// Every option the command line knows, defined once: what --help lists and what the
// check reads.
struct CommandLineOptions {
    QCommandLineOption exportName;
    std::array<QCommandLineOption, 3> tints; // --hue, --saturation, --lightness
    QCommandLineOption tint;
    QCommandLineOption fit;
    QCommandLineOption focus;
    QCommandLineOption hostFolder;
    QCommandLineOption where;
};

// The define step: the description, the options in the order --help lists them and the
// picture argument (--help and --version are added after them).
CommandLineOptions defineCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Turns one picture into a skin for Norvo 7.\n\n"
                       "Without --export, opens the window (with PICTURE already loaded when "
                       "given); the picture options then set the window up as if chosen there, "
                       "and --tint auto presses Suggest Tint once the picture is loaded.\n"
                       "With --export, makes the skin NAME from PICTURE and writes it "
                       "into the host's Skins folder, as Load Image and Save Skin do.\n"
                       "With --where, prints the host folder and where it was found."));
    CommandLineOptions options{
        QCommandLineOption(
            QStringLiteral("export"),
            QCoreApplication::translate("CommandLine", "Make the skin <name> and save it."),
            QStringLiteral("name")),
        {QCommandLineOption(
             QStringLiteral("hue"),
             QCoreApplication::translate("CommandLine", "Menu hue, -100 to 100 (default 0)."),
             QStringLiteral("N"), QStringLiteral("0")),
         QCommandLineOption(QStringLiteral("saturation"),
                            QCoreApplication::translate(
                                "CommandLine", "Menu saturation, -100 to 100 (default 0)."),
                            QStringLiteral("N"), QStringLiteral("0")),
         QCommandLineOption(
             QStringLiteral("lightness"),
             QCoreApplication::translate("CommandLine", "Menu lightness, -100 to 100 (default 0)."),
             QStringLiteral("N"), QStringLiteral("0"))},
        QCommandLineOption(QStringLiteral("tint"),
                           QCoreApplication::translate(
                               "CommandLine",
                               "With the value auto: a tint suggested from the picture, instead of "
                               "--hue, --saturation and --lightness; the tint is printed."),
                           QStringLiteral("auto")),
        QCommandLineOption(
            QStringLiteral("fit"),
            QCoreApplication::translate(
                "CommandLine",
                "How the picture meets each window: stretch (the whole picture, "
                "distorted to the window's shape; the default) or fill (cropped to the "
                "window's shape, undistorted)."),
            QStringLiteral("stretch|fill"), QStringLiteral("stretch")),
        QCommandLineOption(QStringLiteral("focus"),
                           QCoreApplication::translate(
                               "CommandLine",
                               "With --fit fill: the picture point every crop is centred on, as "
                               "fractions of its width and height, 0 to 1 each (default 0.5,0.5)."),
                           QStringLiteral("X,Y")),
        QCommandLineOption(
            QStringLiteral("host-folder"),
            QCoreApplication::translate(
                "CommandLine",
                "The host's folder (holding Skins); default: the one --where shows."),
            QStringLiteral("dir")),
        QCommandLineOption(
            QStringLiteral("where"),
            QCoreApplication::translate(
                "CommandLine",
                "Print the host folder and where it was found (the settings file or a "
                "Wine prefix), or where it was looked for.")),
    };
    parser.addOption(options.exportName);
    for (const QCommandLineOption& t : options.tints)
        parser.addOption(t);
    parser.addOption(options.tint);
    parser.addOption(options.fit);
    parser.addOption(options.focus);
    parser.addOption(options.hostFolder);
    parser.addOption(options.where);
    parser.addPositionalArgument(
        QStringLiteral("picture"),
        QCoreApplication::translate("CommandLine", "A BMP or JPEG picture (any format Qt reads)."));
    return options;
}

// The check step, on arguments that parsed: each value within its range, the options that
// need one another together, then the export or the window they ask for.
ParsedCommandLine checkCommandLine(const QCommandLineParser& parser,
                                   const CommandLineOptions& options) {
    if (parser.isSet(options.where)) {
        if (parser.optionNames().size() > 1 || !parser.positionalArguments().isEmpty())
            return usageError(QCoreApplication::translate(
                "CommandLine", "--where takes no other options or arguments."));
        ParsedCommandLine where;
        where.where = true;
        return where;
    }

    ExportRequest request;
    bool anyTint = false;
    std::array<qint16, 3> tintValues{};
    for (std::size_t i = 0; i < options.tints.size(); ++i) {
        const QCommandLineOption& t = options.tints[i];
        bool ok = false;
        const int value = parser.value(t).toInt(&ok);
        if (!ok || value < -100 || value > 100)
            return usageError(
                QCoreApplication::translate("CommandLine",
                                            "--%1 must be a whole number from -100 to 100, not "
                                            "\"%2\".")
                    .arg(t.names().constFirst(), parser.value(t)));
        tintValues[i] = qint16(value);
        anyTint = anyTint || parser.isSet(t);
    }
    request.tint = MenuTint{tintValues[0], tintValues[1], tintValues[2]};
    if (parser.isSet(options.tint)) {
        if (parser.value(options.tint) != QLatin1String("auto"))
            return usageError(QCoreApplication::translate(
                                  "CommandLine", "--tint accepts only \"auto\", not \"%1\".")
                                  .arg(parser.value(options.tint)));
        if (anyTint)
            return usageError(QCoreApplication::translate(
                "CommandLine", "--tint auto cannot be combined with --hue, "
                               "--saturation or --lightness."));
        request.suggestTint = true;
    }

    const QString fit = parser.value(options.fit);
    if (fit == QLatin1String("fill"))
        request.framing.fit = Fit::Fill;
    else if (fit != QLatin1String("stretch"))
        return usageError(
            QCoreApplication::translate("CommandLine", "--fit must be stretch or fill, not \"%1\".")
                .arg(fit));
    if (parser.isSet(options.focus)) {
        if (request.framing.fit != Fit::Fill)
            return usageError(
                QCoreApplication::translate("CommandLine", "--focus works only with --fit fill."));
        const std::optional<FocusPoint> focus = parseFocus(parser.value(options.focus));
        if (!focus)
            return usageError(QCoreApplication::translate(
                                  "CommandLine", "--focus must be two numbers from 0 to 1 as X,Y, "
                                                 "not \"%1\".")
                                  .arg(parser.value(options.focus)));
        request.framing.focus = *focus;
    }
    if (parser.isSet(options.hostFolder)) {
        // An empty folder would put the skins into "/Skins/" or fall back on the lookup
        // without saying so.
        if (parser.value(options.hostFolder).isEmpty())
            return usageError(QCoreApplication::translate(
                "CommandLine", "--host-folder needs a folder, not an empty text."));
        request.hostFolder = parser.value(options.hostFolder);
    }

    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() > 1)
        return usageError(
            QCoreApplication::translate("CommandLine", "only one PICTURE can be given."));

    if (!parser.isSet(options.exportName)) {
        // The picture options act on the picture: without one, the ones that need it are
        // refused rather than dropped.
        if (pictures.isEmpty() && request.suggestTint)
            return usageError(QCoreApplication::translate(
                "CommandLine", "--tint auto needs a PICTURE to suggest the tint "
                               "from."));
        if (pictures.isEmpty() && parser.isSet(options.focus))
            return usageError(QCoreApplication::translate("CommandLine",
                                                          "--focus needs a PICTURE to centre on."));
        WindowRequest window;
        if (!pictures.isEmpty())
            window.picture = pictures.constFirst();
        if (anyTint)
            window.tint = request.tint;
        window.suggestTint = request.suggestTint;
        if (parser.isSet(options.fit))
            window.fit = request.framing.fit;
        if (parser.isSet(options.focus))
            window.focus = request.framing.focus;
        window.hostFolder = request.hostFolder;
        ParsedCommandLine parsed;
        parsed.windowRequest = window;
        return parsed;
    }

    if (pictures.isEmpty())
        return usageError(QCoreApplication::translate(
            "CommandLine", "--export needs a PICTURE to make the skin from."));
    request.picture = pictures.constFirst();
    request.skinName = parser.value(options.exportName);
    return {request, std::nullopt, QString(), 0};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const CommandLineOptions options = defineCommandLine(parser);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    // The parse step: unknown options and missing values are usage errors; help and version
    // answer before any value is checked.
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return {std::nullopt, std::nullopt, parser.helpText().trimmed(), 0};
    if (parser.isSet(versionOption))
        return {std::nullopt, std::nullopt,
                QStringLiteral("varnel %1").arg(QCoreApplication::applicationVersion()), 0};
    return checkCommandLine(parser, options);
}

int runExport(const ExportRequest& request) {
    if (const QString problem = skinNameProblem(request.skinName); !problem.isEmpty()) {
        printLine(stderr, problem);
        return ExitFailure;
    }
    QString hostFolder;
    QString windowsHostFolder;
    if (request.hostFolder) {
        hostFolder = *request.hostFolder;
    } else {
        const HostFolderSearch search = findUsableHostFolder();
        if (!search.found())
            return reportNoHostFolder(search);
        hostFolder = search.folder;
        windowsHostFolder = search.windowsFolder;
    }
    if (hostFolder.isEmpty()) {
        printLine(stderr, QCoreApplication::translate("Messages", NoHostFolderMessage));
        return ExitFailure;
    }

    try {
        // Load Image's path. The built-in art is ready pixels in the program: nothing to
        // decode beside the picture.
        stageMark("read start");
        const QImage picture = Imaging::readPicture(request.picture, largestSurfaceSize());
        stageMark("read");
        const SkinTemplates& templates = builtInTemplates();
        const SurfacePictures scaled =
            scaleToSurfaces(Imaging::toInternal(picture), request.framing);
        stageMark("scaled");
        // The suggestion looks at the Main picture as it is composed.
        const MenuTint tint =
            request.suggestTint
                ? suggestMenuTint(scaled[SurfaceId::Main], templates.surfaces[SurfaceId::Main]).tint
                : request.tint;
        const SkinPictures skin = composeSkin(scaled, tint, templates);
        stageMark("composed");
        const QStringList written =
            exportSkin(skin.surfaces, hostFolder, request.skinName,
                       QCoreApplication::applicationDirPath(), windowsHostFolder);
        printLine(stdout, QCoreApplication::translate("Messages", SkinExportedMessage));
        if (request.suggestTint)
            printLine(stdout, QCoreApplication::translate(
                                  "CommandLine", "Tint: hue %1, saturation %2, lightness %3")
                                  .arg(tint.hue)
                                  .arg(tint.saturation)
                                  .arg(tint.lightness));
        for (const QString& path : written)
            printLine(stdout, QDir::toNativeSeparators(path));
        return 0;
    } catch (const std::exception& e) {
        printLine(stderr, QString::fromStdString(e.what()));
        return ExitFailure;
    }
}

int runWhere() {
    const HostFolderSearch search = findUsableHostFolder();
    if (!search.found())
        return reportNoHostFolder(search);
    printLine(stdout, QDir::toNativeSeparators(search.folder));
    //: --where's second line. %1: where the folder was found (the settings file, a Wine
    //: prefix's registry value).
    printLine(stdout, QCoreApplication::translate("CommandLine", "from %1").arg(search.source));
    if (!search.misses.isEmpty()) {
        //: --where, after the folder and where it came from: the places looked at first, each
        //: on a line of its own below, with why it gave no folder.
        printLine(stdout, QCoreApplication::translate("CommandLine", "passed over:"));
        for (const QString& miss : search.misses)
            printLine(stdout, QStringLiteral("  ") + miss);
    }
    return 0;
}

namespace {

// Linux hands over the arguments as bytes; a picture whose name is not valid UTF-8 keeps
// its bytes (QCoreApplication::arguments() would turn them into U+FFFD).
QStringList commandLineArguments(int argc, char** argv) {
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(pathFromNativeBytes(QByteArray(argv[i])));
    return arguments;
#endif
}

} // namespace

std::variant<int, WindowRequest> runCommandLine(int argc, char** argv) {
    ParsedCommandLine parsed;
    {
        // Every start is parsed, the window's too, so that an unknown option is refused
        // before anything needs a display. The window makes its own application object.
        QCoreApplication app(argc, argv);
        stageMark("application");
        QCoreApplication::setApplicationName(QStringLiteral("varnel"));
        QCoreApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
        installTranslations();
        parsed = parseCommandLine(commandLineArguments(argc, argv));
        if (parsed.windowRequest)
            return *parsed.windowRequest;
        attachParentConsole();
        if (parsed.where)
            return runWhere();
        if (!parsed.exportRequest) {
            printLine(parsed.status == 0 ? stdout : stderr, parsed.text);
            return parsed.status;
        }
        // This process does one export and ends: its picture buffers are all fresh memory.
        // Their total stays well under this (the reduced decode, four surfaces at four
        // stages, the bitmaps); a larger picture's buffers are mapped as before.
        constexpr std::size_t ExportWorkingMemory = std::size_t(32) << 20;
        prepareWorkingMemory(ExportWorkingMemory);
        const int status = runExport(*parsed.exportRequest);
        // Every file is committed and the report printed: leave without tearing down what
        // the system frees anyway (the application object, the thread pool, libraries, the
        // heap).
        stageMark("reported");
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(status);
    }
}
