#include "batchcommand.h"

#include "batchfit.h"
#include "batchplot.h"

#include "exchange/sbmlexport.h"
#include "exchange/sbmlimport.h"

#include "foundation/messagesink.h"
#include "foundation/numberformat.h"
#include "foundation/textstream.h"
#include "foundation/tickclock.h"
#include "foundation/windows1252.h"
#include "model/equationsdocument.h"
#include "model/equationslatex.h"
#include "reference/referencesolution.h"
#include "reference/storedpoints.h"
#include "session/program.h"
#include "session/reactorexport.h"

#include <optional>
#include <ostream>

namespace {

// Messages of the core go to standard error, one ";"-separated piece a line.
class ErrorStreamSink : public MessageSink {
public:
    explicit ErrorStreamSink(std::ostream& stream)
        : err(stream), previous(installMessageSink(this)) {}
    ~ErrorStreamSink() override { installMessageSink(previous); }
    ErrorStreamSink(const ErrorStreamSink&) = delete;
    ErrorStreamSink& operator=(const ErrorStreamSink&) = delete;
    void showMessage(const std::string& text) override { writePieces(text); }

    void writePieces(const std::string& text) { ::writePieces(err, text); }

    std::ostream& err;
    MessageSink* previous;
};

struct KineticsOptions {
    std::string session;
    std::string output;
    bool all = false;
    bool labels = true;
    bool extended = false;
    bool rates = false;
    bool reference = false;
};

std::optional<KineticsOptions> parseKinetics(const std::vector<std::string>& args) {
    KineticsOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size())
            options.output = args[++i];
        else if (a == "--all")
            options.all = true;
        else if (a == "--no-labels")
            options.labels = false;
        else if (a == "--extended")
            options.extended = true;
        else if (a == "--rates")
            options.rates = true;
        else if (a == "--reference")
            options.reference = true;
        else if (!a.empty() && a[0] != '-' && options.session.empty())
            options.session = a;
        else
            return std::nullopt;
    }
    if (options.session.empty()) return std::nullopt;
    return options;
}

// Opens the session into a program without windows or files of its own; the
// animation stays still, so the set values are computed.
bool openQuietly(Program& program, const std::string& file) {
    ReactorSession opened;
    if (!opened.open(file)) return false;
    NotificationPause pause;
    program.session = opened;
    SessionObjects current = program.objects();
    program.session.apply(current);
    return true;
}

// Computes the opened session as the program would; false when the
// calculation refused to run. The verdict goes to standard error.
bool compute(Program& program, ErrorStreamSink& messages, bool verdict = true) {
    Calculation& calculation = program.calculation;
    const bool ran = calculation.prepare();
    if (ran)
        while (calculation.step()) {
        }
    calculation.finish();
    if (verdict || !ran) messages.writePieces(calculation.message);
    if (!ran) return false;
    if (program.weightedObservation.active) program.weightedObservation.compute();
    return true;
}

// Replaces the stored Euler series by the reference solution at the same
// times; its verdict goes to standard error. False when it failed.
bool replaceByReference(Program& program, ErrorStreamSink& messages) {
    const std::int64_t start = tickCount();
    ReferenceSolution reference;
    startReferenceAtStoredTimes(reference, program.vReactor, program.calculation);
    if (!reference.run()) {
        messages.writePieces("reference failed: " + reference.failure);
        return false;
    }
    Calculation& calculation = program.calculation;
    for (int k = 0; k < calculation.kinetics.count(); ++k) {
        Kinetics& series = calculation.kinetics[k];
        const std::vector<double>& values = reference.values[static_cast<size_t>(k)];
        for (int i = 0; i < calculation.pointCount && i < series.values.count(); ++i)
            series.values[i] = values[static_cast<size_t>(i)];
    }
    if (program.weightedObservation.active) program.weightedObservation.compute();
    const std::int64_t elapsed = std::max<std::int64_t>(0, tickCount() - start);
    messages.writePieces("reference;steps:" + formatInt(reference.steps) + ";calc time:" +
                         (elapsed < 1000
                              ? formatInt(elapsed) + " ms"
                              : formatNumber(static_cast<double>(elapsed) / 1000) + " s"));
    return true;
}

int kinetics(const KineticsOptions& options, std::ostream& out, ErrorStreamSink& messages) {
    Program program("");
    if (!openQuietly(program, options.session)) return batchFailed;
    if (options.extended) program.kineticsView.extendedDetail = true;
    if (!compute(program, messages, !options.reference)) return batchRefused;
    if (options.reference && !replaceByReference(program, messages)) return batchRefused;
    const Calculation& calculation = program.calculation;

    ReactorExport table;
    table.includeColumnLabels = options.labels;
    table.includeReactionRates = options.rates;
    table.rebuildComponentFlags(program.vReactor);
    if (options.all) table.componentFlags.assign(table.componentFlags.size(), true);

    // The table is for scripts: one decimal convention whatever the locale.
    DecimalSeparatorScope dot('.');
    if (!options.output.empty()) {
        if (table.exportTo(options.output, program.vReactor, calculation,
                           program.weightedObservation, program.preferences))
            return batchOk;
        messages.writePieces("Failed to export kinetics.");
        return batchFailed;
    }
    numberPrecision = 12;
    alwaysScientific = true;
    table.buildTable(program.vReactor, calculation, program.weightedObservation);
    program.preferences.applyNumberFormat();
    for (const std::string& line : table.lines)
        out << line << '\n';
    out.flush();
    if (!out) {
        messages.writePieces("Failed to write the kinetics.");
        return batchFailed;
    }
    return batchOk;
}

struct PlotOptions {
    std::string session;
    std::string output;
    int width = 800;
    int height = 500;
};

// "WxH" with both sides within the limits.
bool parseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 == text.size() || text.size() > 9) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != x && (text[i] < '0' || text[i] > '9')) return false;
    width = std::stoi(text.substr(0, x));
    height = std::stoi(text.substr(x + 1));
    return width >= minPlotSide && width <= maxPlotSide && height >= minPlotSide &&
           height <= maxPlotSide;
}

std::optional<PlotOptions> parsePlot(const std::vector<std::string>& args) {
    PlotOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size())
            options.output = args[++i];
        else if (a == "--size" && i + 1 < args.size()) {
            if (!parseSize(args[++i], options.width, options.height)) return std::nullopt;
        } else if (!a.empty() && a[0] != '-' && options.session.empty())
            options.session = a;
        else
            return std::nullopt;
    }
    if (options.session.empty() || options.output.empty()) return std::nullopt;
    return options;
}

int plot(const PlotOptions& options, ErrorStreamSink& messages) {
#ifdef VELUMBRA_BATCH_PLOT
    Program program("");
    if (!openQuietly(program, options.session)) return batchFailed;
    // The command is asked to compute: the curves show even when the session
    // was stored with automatic refreshing off.
    program.kineticsView.autoRefresh = true;
    if (!compute(program, messages)) return batchRefused;
    if (writePlotImage(program, options.output, options.width, options.height)) return batchOk;
    messages.writePieces("Failed to write the plot image.");
    return batchFailed;
#else
    (void)options;
    messages.writePieces("This velumbra-batch was built without plotting.");
    return batchFailed;
#endif
}

// "drawing SESSION -o FILE [--scheme default|mystery|openair]".
int drawing(const std::vector<std::string>& args, ErrorStreamSink& messages) {
    std::string session;
    std::string output;
    int scheme = Preferences::systemDefault;
    const char* schemes[] = {"default", "mystery", "openair"};
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (args[i] == "--scheme" && i + 1 < args.size()) {
            const std::string& name = args[++i];
            scheme = -1;
            for (int s = 0; s < 3; ++s)
                if (name == schemes[s]) scheme = s;
            if (scheme < 0) return batchUsage;
        } else if (!args[i].empty() && args[i][0] != '-' && session.empty())
            session = args[i];
        else
            return batchUsage;
    }
    if (session.empty() || output.empty()) return batchUsage;
#ifdef VELUMBRA_BATCH_PLOT
    Program program("");
    if (!openQuietly(program, session)) return batchFailed;
    if (writeDrawingImage(program, output, scheme)) return batchOk;
    messages.writePieces("Failed to write the drawing.");
    return batchFailed;
#else
    (void)scheme;
    messages.writePieces("This velumbra-batch was built without plotting.");
    return batchFailed;
#endif
}

int exportSbmlCommand(const std::string& session, const std::string& output,
                      ErrorStreamSink& messages) {
    Program program("");
    if (!openQuietly(program, session)) return batchFailed;
    std::string error;
    if (exportSbml(program.session, output, error)) return batchOk;
    messages.writePieces(error);
    return batchFailed;
}

// Nothing is written when the model is refused.
int importSbmlCommand(const std::string& model, const std::string& output,
                      ErrorStreamSink& messages) {
    SbmlImport imported = importSbmlFile(model);
    if (!imported.ok) {
        messages.writePieces(imported.message);
        return batchFailed;
    }
    return imported.session.save(output, numberPrecision) ? batchOk : batchFailed;
}

int resave(const std::string& session, const std::string& output) {
    Program program("");
    if (!openQuietly(program, session)) return batchFailed;
    return program.saveSession(output) ? batchOk : batchFailed;
}

int equations(const std::vector<std::string>& args, std::ostream& out) {
    std::string session;
    EquationsOptions options;
    // The tagged lines unless plain text or LaTeX is asked for.
    std::string form;
    for (size_t i = 1; i < args.size(); ++i) {
        if ((args[i] == "--text" || args[i] == "--latex") && form.empty())
            form = args[i];
        else if (args[i] == "--no-scheme")
            options.displayReactionScheme = false;
        else if (args[i] == "--no-grouping")
            options.groupIdenticalConcentrationTerms = false;
        else if (!args[i].empty() && args[i][0] != '-' && session.empty())
            session = args[i];
        else
            return batchUsage;
    }
    if (session.empty()) return batchUsage;
    Program program("");
    if (!openQuietly(program, session)) return batchFailed;
    const Vreactor& system = program.vReactor;
    std::string text;
    if (form == "--latex")
        text = latexEquations(system, options);
    else if (form == "--text")
        text = readableEquations(generateEquations(system, options));
    else
        text = taggedEquations(generateEquations(system, options));
    out << windows1252ToUtf8(text);
    out.flush();
    return out ? batchOk : batchFailed;
}

} // namespace

void writePieces(std::ostream& err, const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(';', start);
        const std::string piece = text.substr(start, end - start);
        if (!piece.empty()) err << piece << '\n';
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

std::string batchUsageText() {
    return "Usage:\n"
           "  velumbra-batch kinetics SESSION [-o FILE] [--all] [--no-labels] [--extended]\n"
           "                          [--rates] [--reference]\n"
           "      Computes the session's kinetics and writes the table of time and\n"
           "      concentrations (tab-separated, 12 digits) to FILE or standard output.\n"
           "      --all        a column for every component, not only the shown ones\n"
           "      --no-labels  no header line\n"
           "      --extended   10001 points instead of 2001\n"
           "      --rates      a column vN per reaction, its net rate, after the components\n"
           "      --reference  the reference solution (adaptive stiff integrator) at the\n"
           "                   same times instead of the Euler steps\n"
           "  velumbra-batch plot SESSION -o FILE.png|.svg|.pdf [--size WxH]\n"
           "      Computes the session's kinetics and writes the kinetics plot as the\n"
           "      program shows it, WxH pixels (default 800x500, each side 100 to 4000),\n"
           "      as PNG, or as SVG or PDF vectors by the extension. Needs no display.\n"
           "  velumbra-batch drawing SESSION -o FILE.png|.svg|.pdf\n"
           "                [--scheme default|mystery|openair]\n"
           "      Writes the reaction system drawing, sized to it with a margin.\n"
           "  velumbra-batch resave SESSION OUT\n"
           "      Opens SESSION and saves it as OUT, as \"Save As...\" does.\n"
           "  velumbra-batch export-sbml SESSION OUT.xml\n"
           "      Writes the session's reaction system as an SBML Level 3 Version 2 model\n"
           "      with its drawing (Layout package) and Velumbra's own settings.\n"
           "  velumbra-batch import-sbml MODEL.xml OUT.vsn\n"
           "      Reads an SBML Level 2 or 3 model with mass action kinetic laws into a\n"
           "      session; a model it cannot compute the same way is refused with the\n"
           "      first unsupported element named, and nothing is written.\n"
           "  velumbra-batch equations SESSION [--text | --latex] [--no-scheme] [--no-grouping]\n"
           "      Prints the session's equations, one line each, tags included (UTF-8);\n"
           "      --text as plain text (as \"Copy Equations\" copies them), --latex as\n"
           "      a LaTeX align* fragment (needs amsmath).\n"
           "  velumbra-batch fit SESSION [--data FILE] [--fit NAME,NAME,...] [-o OUT.vsn]\n"
           "      Fits parameters (\"k1\", \"k-1\", \"[A]0\", \"w(A)\"; default every rate\n"
           "      constant of an active direction) to the measurements in FILE or in the\n"
           "      session. Prints NAME, value and standard error per line, then SSR and\n"
           "      points; -o saves the session with the fitted values and the data.\n"
           "  velumbra-batch --help\n"
           "Exit status: 0 done, 1 session, model or output unusable, 2 usage error,\n"
           "3 calculation refused (too many iterations or unusable settings) or\n"
           "the reference solution failed, 4 fit not converged within 200 iterations.\n";
}

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ErrorStreamSink messages(err);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << batchUsageText();
        return batchOk;
    }
    if (!args.empty() && args[0] == "kinetics") {
        if (auto options = parseKinetics(args)) return kinetics(*options, out, messages);
    } else if (!args.empty() && args[0] == "plot") {
        if (auto options = parsePlot(args)) return plot(*options, messages);
    } else if (!args.empty() && args[0] == "drawing") {
        const int status = drawing(args, messages);
        if (status != batchUsage) return status;
    } else if (!args.empty() && args[0] == "equations") {
        const int status = equations(args, out);
        if (status != batchUsage) return status;
    } else if (!args.empty() && args[0] == "fit") {
        return runFit(args, out, err);
    } else if (args.size() == 3 && args[0] == "export-sbml") {
        return exportSbmlCommand(args[1], args[2], messages);
    } else if (args.size() == 3 && args[0] == "import-sbml") {
        return importSbmlCommand(args[1], args[2], messages);
    } else if (args.size() == 3 && args[0] == "resave") {
        return resave(args[1], args[2]);
    }
    err << batchUsageText();
    return batchUsage;
}
