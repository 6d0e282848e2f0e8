#include "windows/reactions/reactionrenderer.h"

#include "session/preferences.h"
#include "support/reactorfixture.h"
#include "support/tempdir.h"
#include "windows/reactions/reactantimages.h"
#include "windows/windowtest.h"

namespace {

// Colours as the drawing fixes them, written out channel by channel.
const QColor black(0, 0, 0);
const QColor defaultGrid(88, 88, 88);
const QColor defaultOutline(104, 104, 104);
const QColor defaultDestination(52, 52, 52);
const QColor defaultForward(255, 64, 64);
const QColor defaultBackward(144, 144, 255);

class RendererTest : public ReactorFixture {
protected:
    RendererTest() : preferences(dir.path()), renderer(preferences, images) {}

    QImage render() {
        reactor.layout();
        images.choose(preferences.colorSchemeSystem);
        QImage image(400, 300, QImage::Format_RGB32);
        QPainter painter(&image);
        renderer.draw(painter, reactor, image.rect());
        return image;
    }
    QColor pixel(int x, int y) { return render().pixelColor(x, y); }

    // A at (100, 150) and B at (300, 150) joined by a horizontal reaction
    // centred at (200, 150).
    void joinTwo() {
        reactor.setConnectSource(component(Poi{100, 150}));
        ASSERT_TRUE(reactor.connectComponents(component(Poi{300, 150})));
    }

    TempDir dir;
    Preferences preferences;
    ReactantImages images;
    ReactionRenderer renderer;
};

} // namespace

TEST_F(RendererTest, BackgroundAndGridFollowTheSchemeAndTheGridSwitches) {
    const std::tuple<int, QColor, QColor> cases[] = {
        {Preferences::systemDefault, black, defaultGrid},
        {Preferences::systemMystery, QColor(16, 32, 54), QColor(96, 126, 156)},
        {Preferences::systemOpenAir, QColor(190, 190, 160), black},
    };
    reactor.showGrid = true;
    for (const auto& [scheme, background, grid] : cases) {
        preferences.colorSchemeSystem = scheme;
        const QImage image = render(); // points every 56 pixels
        EXPECT_TRUE(pixelsAre(image, grid, {{0, 0}, {336, 280}})) << scheme;
        EXPECT_TRUE(pixelsAre(image, background, {{57, 56}, {56, 55}})) << scheme;
    }
    preferences.colorSchemeSystem = Preferences::systemDefault;
    reactor.useGrid = false; // shown, but not used
    EXPECT_EQ(pixel(112, 112), black);
}

TEST_F(RendererTest, ReactionHalvesAreOfferedWhenEmptyOrWhileConnecting) {
    const int r = reaction(Poi{200, 150});
    QImage image = render();
    EXPECT_EQ(image.pixelColor(200, 150), QColor(72, 72, 72)); // the centre dot
    EXPECT_TRUE(pixelsAre(image, defaultDestination, {{193, 157}, {207, 143}}));
    reactor.reactions[r].selected = true;
    EXPECT_EQ(pixel(200, 150), QColor(160, 160, 160));
    preferences.colorSchemeSystem = Preferences::systemOpenAir;
    image = render();
    EXPECT_EQ(image.pixelColor(200, 150), QColor(0xFF, 0xFF, 0x00));
    // The mean of the ground and the outline, channel by channel.
    EXPECT_EQ(image.pixelColor(193, 157), QColor(0xA3, 0xA3, 0x88));

    preferences.colorSchemeSystem = Preferences::systemDefault;
    reactor.deleteAll();
    joinTwo();
    EXPECT_EQ(pixel(193, 157), black);
    reactor.setConnectSource(component(Poi{200, 250}));
    image = render(); // the other components are destinations too
    EXPECT_TRUE(pixelsAre(image, defaultDestination, {{193, 157}, {117, 160}}));
    EXPECT_EQ(image.pixelColor(217, 260), black);
}

TEST_F(RendererTest, ArrowheadsCarryTheColourCodeOfTheirDirectionAndInactiveBranchesAreDotted) {
    joinTwo();
    Vreaction& r = reactor.reactions[0];
    // The product branch ends at x 291; its head stands 8 steps back at 283,
    // its base 5 pixels further back, across the axis. The reactant branch
    // ends at x 109: head at 117, base at 122.
    QImage image = render();
    EXPECT_TRUE(pixelsAre(image, defaultForward, {{278, 146}, {278, 150}, {278, 154}}));
    EXPECT_TRUE(pixelsAre(image, defaultOutline, {{281, 148}, {122, 150}, {210, 150}}));
    preferences.colorCodeArrowsOnlyInReversibleReactions = true;
    EXPECT_EQ(pixel(278, 150), defaultOutline);
    r.activeBack = true;
    image = render();
    EXPECT_EQ(image.pixelColor(278, 150), defaultForward);
    EXPECT_EQ(image.pixelColor(122, 154), defaultBackward);
    r.active = r.activeBack = false; // from x 204 every 5th point is set
    image = render();
    EXPECT_TRUE(pixelsAre(image, defaultOutline, {{209, 150}, {279, 150}}));
    EXPECT_TRUE(pixelsAre(image, black, {{210, 150}, {278, 150}, {281, 148}}));
}

TEST_F(RendererTest, ComponentStylesColourMarkAndConeImages) {
    const int a = component(Poi{100, 100});
    reactor.components[a].color = 0x0000FF;
    const QColor red(255, 0, 0);
    const std::tuple<int, bool, QPoint, QColor> cases[] = {
        {Preferences::componentMinimalist, true, {100, 100}, red},
        {Preferences::componentMinimalist, false, {100, 100}, black},
        {Preferences::componentButton, true, {90, 90}, defaultOutline},
        // The face: the outline scaled by min(1, 1.2 - 0.1 i), truncated.
        {Preferences::componentButton, false, {100, 100}, QColor(93, 93, 93)},
        {Preferences::componentButton, false, {91, 100}, QColor(31, 31, 31)},
    };
    for (const auto& [style, mark, p, expected] : cases) {
        preferences.componentStyle = style;
        preferences.colorIndicationOnComponent = mark;
        EXPECT_TRUE(pixelsAre(render(), expected, {p})) << style << mark;
    }
    preferences.componentStyle = Preferences::componentCone;
    reactor.components[a].selected = true;
    EXPECT_EQ(pixel(100, 100).rgb(), images.Ireactant_selected.pixelColor(11, 11).rgb());
    preferences.colorSchemeSystem = Preferences::systemOpenAir; // its own cones
    EXPECT_EQ(pixel(100, 100).rgb(), images.Ireactant_selected_openair.pixelColor(11, 11).rgb());
}

TEST_F(RendererTest, AShortcutShowsNoConcentration) {
    const int a = component(Poi{100, 100});
    const int s = shortcutOf(a, Poi{300, 100});
    const QImage image = render();
    const auto inked = [&](const Vcomponent& c) {
        int n = 0;
        for (int y = c.pos.y + 13; y <= c.pos.y + 23; ++y) // where the label would stand
            for (int x = c.pos.x - 10; x <= c.pos.x + 10; ++x)
                n += image.pixelColor(x, y) != black;
        return n;
    };
    EXPECT_GT(inked(reactor.components[a]), 0);
    EXPECT_EQ(inked(reactor.components[s]), 0);
}
