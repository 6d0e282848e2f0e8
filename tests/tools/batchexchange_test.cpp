#include "batchfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifdef VELUMBRA_BATCH_PLOT
#include <QFile>
#include <QXmlStreamReader>
#endif

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

// Every preset exported and imported again computes the same table, byte for
// byte, and is stored as the same session: system, drawing and settings.
TEST_F(BatchTest, EveryPresetComesBackFromSbmlUnchanged) {
    int presets = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELUMBRA_PRESETS)) {
        const std::string preset = entry.path().string();
        if (entry.path().extension() != ".vsn") continue;
        ++presets;
        const std::string model = dir.file("model.xml");
        const std::string back = dir.file("back.vsn");
        const std::string resaved = dir.file("resaved.vsn");
        Outcome r = run("export-sbml " + quoted(preset) + " " + model);
        ASSERT_EQ(r.status, 0) << preset << ": " << r.err;
        r = run("import-sbml " + model + " " + back);
        ASSERT_EQ(r.status, 0) << preset << ": " << r.err;
        ASSERT_EQ(run("resave " + quoted(preset) + " " + resaved).status, 0);
        EXPECT_EQ(readFileBytes(back), readFileBytes(resaved)) << preset;

        const Outcome original = run("kinetics " + quoted(preset) + " --all");
        const Outcome imported = run("kinetics " + back + " --all");
        ASSERT_EQ(original.status, 0) << preset;
        EXPECT_GT(original.out.size(), 1000u) << preset;
        EXPECT_TRUE(original.out == imported.out) << preset;
    }
    EXPECT_EQ(presets, 18);
}

// A refused model writes nothing and replaces nothing; usage errors are 2.
TEST_F(BatchTest, SbmlCommandsRefuseAndReportUsage) {
    const std::string model = dir.file("mm.xml");
    writeFileBytes(model, "<sbml><model");
    const std::string out = dir.file("out.vsn");
    Outcome r = run("import-sbml " + model + " " + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Cannot import SBML: invalid XML", 0), 0u) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    const std::string session = writeSession("s.vsn");
    const std::string before = readFileBytes(session);
    EXPECT_EQ(run("import-sbml " + model + " " + session).status, 1);
    EXPECT_EQ(readFileBytes(session), before);

    EXPECT_EQ(run("export-sbml " + dir.file("missing.vsn") + " " + dir.file("m.xml")).status, 1);
    EXPECT_EQ(run("export-sbml " + session + " " + dir.file("no/such/m.xml")).status, 1);
    for (const char* arguments :
         {"import-sbml", "import-sbml a.xml", "export-sbml s.vsn", "export-sbml a b c",
          "drawing s.vsn", "drawing -o x.png", "drawing s.vsn -o x.png --scheme dark"})
        EXPECT_EQ(run(arguments).status, 2) << arguments;
}

#ifdef VELUMBRA_BATCH_PLOT

namespace {

// The names of the XML file's elements; empty when it does not parse.
std::vector<std::string> elementNames(const std::string& file) {
    QFile in(QString::fromStdString(file));
    if (!in.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&in);
    std::vector<std::string> names;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            names.push_back(xml.name().toString().toStdString());
    if (xml.hasError()) return {};
    return names;
}

int count(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<int>(std::count(names.begin(), names.end(), name));
}

} // namespace

// Vector files hold vectors: the SVG parses and draws paths and texts; the
// PDF is a PDF without any image, so its curves are lines.
TEST_F(BatchTest, PlotAndDrawingAsVectorFiles) {
    const std::string preset = std::string(VELUMBRA_PRESETS) + "/02 Consecutive reactions.vsn";
    for (const std::string command : {"plot", "drawing"}) {
        const std::string svg = dir.file(command + ".svg");
        Outcome r = run(command + " " + quoted(preset) + " -o " + svg);
        ASSERT_EQ(r.status, 0) << command << ": " << r.err;
        const std::vector<std::string> names = elementNames(svg);
        ASSERT_FALSE(names.empty()) << command;
        EXPECT_GT(count(names, "path") + count(names, "polyline"), 3) << command;
        EXPECT_GT(count(names, "text"), 2) << command;

        const std::string pdf = dir.file(command + ".pdf");
        r = run(command + " " + quoted(preset) + " -o " + pdf);
        ASSERT_EQ(r.status, 0) << command << ": " << r.err;
        const std::string bytes = readFileBytes(pdf);
        EXPECT_EQ(bytes.substr(0, 4), "%PDF") << command;
        if (command == "plot") {
            EXPECT_EQ(bytes.find("/Subtype /Image"), std::string::npos);
        }

        const std::string png = dir.file(command + ".png");
        EXPECT_EQ(run(command + " " + quoted(preset) + " -o " + png).status, 0) << command;
        EXPECT_EQ(readFileBytes(png).substr(1, 3), "PNG") << command;
    }
    for (const char* scheme : {"default", "mystery", "openair"})
        EXPECT_EQ(
            run("drawing " + quoted(preset) + " -o " + dir.file("d.png") + " --scheme " + scheme)
                .status,
            0)
            << scheme;
}

#endif
