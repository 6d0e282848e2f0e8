#pragma once

#include "session/reactorsession.h"
#include "support/tempdir.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class BatchTest : public ::testing::Test {
protected:
    // Runs velumbra-batch as a script would; `environment` goes before it
    // ("env -u DISPLAY" and the like).
    Outcome run(const std::string& arguments, const std::string& environment = "") {
        const std::string command = environment + std::string(VELUMBRA_BATCH) + " " + arguments +
                                    " > " + dir.file("out") + " 2> " + dir.file("err");
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFileBytes(dir.file("out")),
                readFileBytes(dir.file("err"))};
    }
    // A -> B, k = 1, two steps of 0.001; B hidden in the plot.
    std::string writeSession(const std::string& name, double timeStep = 0.001,
                             bool observation = false, bool animated = false) {
        ReactorSession s;
        const int a = addComponent(s.vReactor, "A", 1);
        const int b = addComponent(s.vReactor, "B", 0);
        s.vReactor.components[b].monitor = false;
        addReaction(s.vReactor, {{a, 1, -1}, {b, 1, +1}}, 1).animate = animated;
        s.reactor.simulationTime = 0.002;
        s.reactor.timeResolution = timeStep;
        s.kineticsView.autoRefresh = false; // computed all the same
        s.weightedObservation.active = observation;
        EXPECT_TRUE(s.save(dir.file(name), 3));
        return dir.file(name);
    }
    TempDir dir;
};
