#include "batchfixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST_F(BatchTest, KineticsTableOnStandardOutputOrInAFile) {
    const std::string session = writeSession("s.vsn");
    Outcome r = run("kinetics " + session);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "time\tA\n0\t1e+0\n1e-3\t9.99e-1\n2e-3\t9.98001e-1\n");
    EXPECT_EQ(r.err.substr(0, 3), "ok\n");
    EXPECT_NE(r.err.find("iterations:2\n"), std::string::npos);
    r = run("kinetics " + session + " --all --no-labels");
    EXPECT_EQ(r.out, "0\t1e+0\t0\n1e-3\t9.99e-1\t1e-3\n2e-3\t9.98001e-1\t1.999e-3\n");
    EXPECT_EQ(run("kinetics " + session + " --extended").out.substr(0, 7), "time\tA\n");
    // An animated rate constant is computed at its set value.
    r = run("kinetics " + writeSession("animated.vsn", 0.001, false, true));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "time\tA\n0\t1e+0\n1e-3\t9.99e-1\n2e-3\t9.98001e-1\n");

    const std::string observed = writeSession("w.vsn", 0.001, true);
    r = run("kinetics " + observed + " -o " + dir.file("k.dat"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readFileBytes(dir.file("k.dat")),
              "time\tA\tweightedObservation\r\n0\t1e+0\t1e+0\r\n1e-3\t9.99e-1\t1e+0\r\n"
              "2e-3\t9.98001e-1\t1e+0\r\n");
    r = run("kinetics " + observed + " -o " + dir.file("none/k.dat"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Failed to export kinetics."), std::string::npos);
}

TEST_F(BatchTest, StatusesForRefusalsAndBadInput) {
    const Outcome refused = run("kinetics " + writeSession("tiny.vsn", 1e-12));
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "Too many iterations!\nReduce simulation time\nor increase time step!\n");
    const Outcome missing = run("kinetics " + dir.file("missing.vsn"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Failed to open session: " + dir.file("missing.vsn") + "\n");
    for (const char* bad : {"", "kinetics", "kinetics a b", "kinetics a --bogus", "resave only-one",
                            "equations a --bogus"})
        EXPECT_EQ(run(bad).status, 2) << bad;
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("velumbra-batch kinetics SESSION"), std::string::npos);
}

// resave writes what Save As would.
TEST_F(BatchTest, Resave) {
    const std::string session = writeSession("s.vsn", 0.001, false, true);
    EXPECT_EQ(run("resave " + session + " " + dir.file("copy.vsn")).status, 0);
    EXPECT_EQ(readFileBytes(dir.file("copy.vsn")), readFileBytes(session));
    EXPECT_EQ(run("resave " + session + " " + dir.file("none/copy.vsn")).status, 1);
}

// 2A + C <=> B with the forward constant animated and C constant.
TEST_F(BatchTest, EquationsAsPlainTextAndLatex) {
    ReactorSession s;
    const int a = addComponent(s.vReactor, "A", 1);
    const int b = addComponent(s.vReactor, "B", 0);
    const int c = addComponent(s.vReactor, "C_1", 0.5, true);
    addReaction(s.vReactor, {{a, 2, -1}, {c, 1, -1}, {b, 1, +1}}, 2, true, 2.5e-4, true).animate =
        true;
    const std::string session = dir.file("e.vsn");
    ASSERT_TRUE(s.save(session, 3));

    const Outcome text = run("equations " + session + " --text");
    EXPECT_EQ(text.status, 0) << text.err;
    // The document's readable form, in UTF-8.
    EXPECT_NE(text.out.find("\nk1 = 2 \xC2\xB1 animation        k-1 = 2.5e-4\n"), std::string::npos)
        << text.out;
    const Outcome latex = run("equations --latex " + session);
    EXPECT_EQ(latex.status, 0) << latex.err;
    EXPECT_EQ(latex.out, R"(\begin{align*}
&1.\qquad 2\mathrm{A} + \mathrm{C\_1} \rightleftharpoons \mathrm{B} \\
&\frac{d[\mathrm{A}]}{dt} = -2k_{1}[\mathrm{A}]^{2}[\mathrm{C\_1}] + 2k_{-1}[\mathrm{B}] \\
&\frac{d[\mathrm{B}]}{dt} = k_{1}[\mathrm{A}]^{2}[\mathrm{C\_1}] - k_{-1}[\mathrm{B}] \\
&\frac{d[\mathrm{C\_1}]}{dt} = 0 \\
&k_{1} = 2 \pm \text{animation}\qquad k_{-1} = 2.5 \cdot 10^{-4} \\
&[\mathrm{A}]_{0} = 1 \\
&[\mathrm{B}]_{0} = 0 \\
&[\mathrm{C\_1}]_{0} = 0.5 = \text{constant}
\end{align*}
)");
    EXPECT_EQ(run("equations " + session + " --text --latex").status, 2);
    const Outcome plain = run("equations " + session + " --text --no-scheme --no-grouping");
    EXPECT_EQ(plain.out.rfind("\nd[A]/dt = -2k1[A]^2[C_1] + 2k-1[B]\n", 0), 0u) << plain.out;
    EXPECT_EQ(run("equations " + dir.file("missing.vsn")).status, 1);
}

} // namespace
