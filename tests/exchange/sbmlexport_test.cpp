// Before anything that includes libsbml.
#include "exchange/corewithsbml.h"

#include "engine/reactor.h"
#include "exchange/sbmlexport.h"
#include "exchange/sbmlimport.h"
#include "support/testsystem.h"

#include <sbml/SBMLTypes.h>

#include <gtest/gtest.h>

#include <memory>

LIBSBML_CPP_NAMESPACE_USE

namespace {

// A constant component, a shortcut, a catalyst, switches on both directions
// (in unsorted order), a backward-only reaction and an inactive one.
ReactorSession richSession() {
    ReactorSession s;
    Vreactor& v = s.vReactor;
    const int a = addComponent(v, "A", 2);
    const int b = addComponent(v, "B\xE9", 0.5); // a Windows-1252 letter
    const int c = addComponent(v, "C", 0);
    v.components[a].constant = true;
    v.components[b].color = 0x123456;
    v.components[c].monitor = false;
    v.components[c].weight = 0.25;
    v.components[a].pos = {56, 56};
    v.components[b].pos = {224, 56};
    v.components[c].pos = {224, 224};
    v.createShortcut(b);
    const int shortcut = v.components.last();
    Vreaction& r1 = addReaction(v, {{a, 1, -1}, {shortcut, 2, -1}, {c, 1, +1}, {a, 1, +1}}, 0.5);
    r1.activeBack = true;
    r1.rateConstantBack = 0.125;
    r1.pos = {140, 140};
    r1.reactants[0].align = true;
    addSwitches(r1.switches, {8, 5});
    addSwitches(r1.switchesBack, {3});
    Vreaction& r2 = addReaction(v, {{c, 1, -1}, {b, 1, +1}}, 3);
    r2.active = false;
    r2.activeBack = true;
    r2.rateConstantBack = 0.75;
    r2.pos = {300, 140};
    s.reactor.timeResolution = 0.01;
    s.reactor.simulationTime = 12;
    s.weightedObservation.active = true;
    s.weightedObservation.globalFactor = 3;
    s.kineticsView.logY = true;
    return s;
}

Text_ storedLines(ReactorSession session) {
    (void)session.TextStream::save(ReactorSession::blockName, "");
    return session.lines;
}

} // namespace

TEST(SbmlExportTest, PassesLibsbmlsConsistencyChecks) {
    const std::string text = sbmlDocumentText(richSession());
    const std::unique_ptr<SBMLDocument> document(readSBMLFromString(text.c_str()));
    ASSERT_TRUE(document && document->getModel());
    EXPECT_EQ(document->getLevel(), 3u);
    EXPECT_EQ(document->getVersion(), 2u);
    document->checkConsistency();
    const SBMLErrorLog& log = *document->getErrorLog();
    for (unsigned i = 0; i < log.getNumErrors(); ++i)
        EXPECT_LT(log.getError(i)->getSeverity(), static_cast<unsigned>(LIBSBML_SEV_ERROR))
            << log.getError(i)->getMessage();

    const Model& model = *document->getModel();
    ASSERT_EQ(model.getNumSpecies(), 3u);
    EXPECT_TRUE(model.getSpecies(0u)->getBoundaryCondition());
    EXPECT_TRUE(model.getSpecies(0u)->getConstant());
    EXPECT_EQ(model.getSpecies(1u)->getName(), "B\xC3\xA9");
    ASSERT_EQ(model.getNumReactions(), 2u);
    EXPECT_TRUE(model.getReaction(0u)->getReversible());
    // The catalyst A is on both sides; the shortcut's entry names B.
    EXPECT_EQ(model.getReaction(0u)->getNumReactants(), 2u);
    EXPECT_EQ(model.getReaction(0u)->getReactant(1u)->getSpecies(), "s2");
    EXPECT_EQ(model.getReaction(0u)->getReactant(1u)->getStoichiometry(), 2);
    EXPECT_EQ(model.getReaction(0u)->getNumProducts(), 2u);
    EXPECT_EQ(model.getParameter("k_1")->getName(), "k-1");
    EXPECT_EQ(model.getParameter("k1")->getName(), "k1");
    EXPECT_EQ(model.getParameter("k_2")->getValue(), 0.75);
    EXPECT_FALSE(model.getParameter("k2"));
}

// The annotation and the Layout package bring back every stored field, and
// the piecewise factors switch where the reactor does: the same steps give
// the same numbers to the last bit.
TEST(SbmlExportTest, ImportGivesBackTheSameSessionAndCurves) {
    const ReactorSession original = richSession();
    const SbmlImport back = importSbmlText(sbmlDocumentText(original));
    ASSERT_TRUE(back.ok) << back.message;
    EXPECT_EQ(storedLines(back.session), storedLines(original));

    Vreactor a = original.vReactor;
    Vreactor b = back.session.vReactor;
    Reactor ra(&a);
    Reactor rb(&b);
    for (Reactor* r : {&ra, &rb}) {
        r->timeResolution = 0.01;
        r->init();
    }
    for (int step = 0; step < 1200; ++step) {
        ASSERT_EQ(ra.advance(), rb.advance()) << step;
        for (int u = 0; u < a.uniqueComponentCount(); ++u)
            ASSERT_EQ(ra.concentrations[u], rb.concentrations[u]) << step << " " << u;
    }
}
