#include "batchfit.h"

#include "batchcommand.h"

#include "fitting/fitter.h"
#include "fitting/measurementcommands.h"
#include "fitting/measurementfile.h"
#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "session/program.h"

#include <cmath>
#include <optional>
#include <ostream>

namespace {

struct FitOptions {
    std::string session;
    std::string data;
    std::string parameters;
    bool parametersGiven = false;
    std::string output;
};

std::optional<FitOptions> parseFit(const std::vector<std::string>& args) {
    FitOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            options.output = args[++i];
        } else if (a == "--data" && i + 1 < args.size()) {
            options.data = args[++i];
        } else if (a == "--fit" && i + 1 < args.size()) {
            options.parameters = args[++i];
            options.parametersGiven = true;
        } else if (!a.empty() && a[0] != '-' && options.session.empty()) {
            options.session = a;
        } else {
            return std::nullopt;
        }
    }
    if (options.session.empty()) return std::nullopt;
    return options;
}

// For scripts: 12 digits, scientific, "." whatever the locale.
std::string number(double value) {
    if (std::isnan(value)) return "n/a";
    return formatNumber(value);
}

int fit(const FitOptions& options, std::ostream& out, std::ostream& err) {
    Program program("");
    {
        ReactorSession opened;
        if (!opened.open(options.session)) return batchFailed;
        NotificationPause pause;
        program.session = opened;
        SessionObjects current = program.objects();
        program.session.apply(current);
    }
    if (!options.data.empty()) {
        std::string message;
        Measurements table;
        const bool read = MeasurementFile::read(options.data, program.vReactor, table, message);
        writePieces(err, message);
        if (!read) return batchFailed;
        program.measurements = std::move(table);
    }
    if (program.measurements.empty()) {
        err << "The session holds no measurements; give them with --data FILE.\n";
        return batchFailed;
    }
    std::vector<FitParameter> chosen = defaultFitParameters(program.vReactor);
    if (options.parametersGiven) {
        std::string unknown;
        if (!parametersNamed(
                fittableParameters(program.vReactor, program.weightedObservation.active),
                options.parameters, chosen, unknown)) {
            err << "Unknown parameter: " << unknown << '\n' << batchUsageText();
            return batchUsage;
        }
    }
    if (chosen.empty()) {
        err << "No parameter to fit: the session has no active reaction.\n";
        return batchUsage;
    }

    std::unique_ptr<Fitter> fitter = fitterFor(program, chosen);
    std::string error;
    if (!fitter->start(error)) {
        writePieces(err, error);
        return fitter->result().outcome == FitResult::Outcome::refused ? batchRefused : batchFailed;
    }
    fitter->run();
    const FitResult& result = fitter->finish();

    {
        DecimalSeparatorScope dot('.');
        const int precision = numberPrecision;
        const bool scientific = alwaysScientific;
        numberPrecision = 12;
        alwaysScientific = true;
        for (size_t i = 0; i < chosen.size(); ++i)
            out << chosen[i].name << '\t' << number(result.values[i]) << '\t'
                << number(result.standardErrors[i]) << '\n';
        out << "SSR\t" << number(result.sumOfSquares) << '\n';
        out << "points\t" << result.points << '\n';
        numberPrecision = precision;
        alwaysScientific = scientific;
    }
    out.flush();
    writePieces(err, result.verdict);
    writePieces(err, result.message);
    if (!out) return batchFailed;

    if (!options.output.empty()) {
        NotificationPause pause;
        for (size_t i = 0; i < chosen.size(); ++i)
            setParameterValue(program.vReactor, chosen[i], result.values[i]);
        if (!program.saveSession(options.output)) return batchFailed;
    }
    return result.outcome == FitResult::Outcome::converged ? batchOk : batchNotConverged;
}

} // namespace

int runFit(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<FitOptions> options = parseFit(arguments);
    if (!options) {
        err << batchUsageText();
        return batchUsage;
    }
    return fit(*options, out, err);
}
