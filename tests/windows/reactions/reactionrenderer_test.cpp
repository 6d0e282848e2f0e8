#include "windows/reactions/reactionrenderer.h"

#include "session/preferences.h"
#include "support/reactorfixture.h"
#include "support/tempdir.h"
#include "windows/reactions/reactantimages.h"

#include <QImage>
#include <QPainter>

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
    QColor pixel(const QImage& image, int x, int y) const { return image.pixelColor(x, y); }

    // A at (100, 150) and B at (300, 150) joined by a horizontal reaction
    // centred at (200, 150).
    void joinTwo() {
        const int a = component(Poi{100, 150});
        const int b = component(Poi{300, 150});
        reactor.setConnectSource(a);
        ASSERT_TRUE(reactor.connectComponents(b));
    }

    TempDir dir;
    Preferences preferences;
    ReactantImages images;
    ReactionRenderer renderer;
};

} // namespace

TEST_F(RendererTest, BackgroundAndGridFollowTheScheme) {
    struct Case {
        int scheme;
        QColor background, grid;
    };
    const Case cases[] = {
        {Preferences::systemDefault, black, defaultGrid},
        {Preferences::systemMystery, QColor(16, 32, 54), QColor(96, 126, 156)},
        {Preferences::systemOpenAir, QColor(190, 190, 160), black},
    };
    reactor.showGrid = true;
    for (const Case& c : cases) {
        preferences.colorSchemeSystem = c.scheme;
        const QImage image = render();
        EXPECT_EQ(pixel(image, 10, 10), c.background) << c.scheme;
        EXPECT_EQ(pixel(image, 0, 0), c.grid) << c.scheme;
        EXPECT_EQ(pixel(image, 56, 56), c.grid) << c.scheme;
        EXPECT_EQ(pixel(image, 336, 280), c.grid) << c.scheme;
        EXPECT_EQ(pixel(image, 57, 56), c.background) << c.scheme;
        EXPECT_EQ(pixel(image, 56, 55), c.background) << c.scheme;
    }
}

TEST_F(RendererTest, GridPointsOnlyWhenTheGridIsUsedAndShown) {
    const bool modes[][2] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& mode : modes) {
        reactor.useGrid = mode[0];
        reactor.showGrid = mode[1];
        const QColor expected = mode[0] && mode[1] ? defaultGrid : black;
        EXPECT_EQ(pixel(render(), 112, 112), expected) << mode[0] << mode[1];
    }
}

TEST_F(RendererTest, AnEmptyReactionShowsBothHalfDiscsAndItsCentreDot) {
    const int r = reaction(Poi{200, 150});
    QImage image = render();
    EXPECT_EQ(pixel(image, 200, 150), QColor(72, 72, 72));
    EXPECT_EQ(pixel(image, 201, 151), QColor(72, 72, 72));
    EXPECT_EQ(pixel(image, 193, 157), defaultDestination);
    EXPECT_EQ(pixel(image, 207, 143), defaultDestination);
    EXPECT_EQ(pixel(image, 200, 170), black);

    reactor.reactions[r].selected = true;
    image = render();
    EXPECT_EQ(pixel(image, 200, 150), QColor(160, 160, 160));
    preferences.colorSchemeSystem = Preferences::systemOpenAir;
    image = render();
    EXPECT_EQ(pixel(image, 200, 150), QColor(0xFF, 0xFF, 0x00));
    // The mean of the ground and the outline, channel by channel.
    EXPECT_EQ(pixel(image, 193, 157), QColor(0xA3, 0xA3, 0x88));
    reactor.reactions[r].selected = false;
    EXPECT_EQ(pixel(render(), 200, 150), QColor(0x80, 0x80, 0x00));
}

TEST_F(RendererTest, ACompleteReactionOffersHalvesOnlyWhileConnecting) {
    joinTwo();
    EXPECT_EQ(pixel(render(), 193, 157), black);
    const int c = component(Poi{200, 250});
    reactor.setConnectSource(c);
    const QImage image = render();
    EXPECT_EQ(pixel(image, 193, 157), defaultDestination);
    EXPECT_EQ(pixel(image, 207, 143), defaultDestination);
    // The other components are marked as destinations.
    EXPECT_EQ(pixel(image, 117, 160), defaultDestination);
    EXPECT_EQ(pixel(image, 217, 260), black);
}

TEST_F(RendererTest, ArrowheadsCarryTheColourCodeOfTheirDirection) {
    joinTwo();
    Vreaction& r = reactor.reactions[0];
    // The product branch ends at x 291; its head stands 8 steps back at 283,
    // its base 5 pixels further back, across the axis.
    const int forwardBar = 278;
    // The reactant branch ends at x 109; head at 117, base at 122.
    const int backwardBar = 122;

    QImage image = render();
    EXPECT_EQ(pixel(image, forwardBar, 150), defaultForward);
    EXPECT_EQ(pixel(image, forwardBar, 146), defaultForward);
    EXPECT_EQ(pixel(image, forwardBar, 154), defaultForward);
    EXPECT_EQ(pixel(image, forwardBar + 3, 148), defaultOutline); // inside the head
    EXPECT_EQ(pixel(image, backwardBar, 150), defaultOutline);    // no head
    EXPECT_EQ(pixel(image, backwardBar, 148), black);

    preferences.colorCodeArrowsOnlyInReversibleReactions = true;
    image = render();
    EXPECT_EQ(pixel(image, forwardBar, 150), defaultOutline);

    r.activeBack = true;
    image = render();
    EXPECT_EQ(pixel(image, forwardBar, 150), defaultForward);
    EXPECT_EQ(pixel(image, backwardBar, 150), defaultBackward);
    EXPECT_EQ(pixel(image, backwardBar, 154), defaultBackward);

    r.active = false;
    image = render();
    EXPECT_EQ(pixel(image, forwardBar + 3, 148), black);
    EXPECT_EQ(pixel(image, backwardBar, 150), defaultOutline);
}

TEST_F(RendererTest, InactiveReactionsShowDottedBranchesOnly) {
    joinTwo();
    Vreaction& r = reactor.reactions[0];
    r.active = false;
    const QImage image = render();
    // The product branch starts at x 204: every 5th point is set.
    EXPECT_EQ(pixel(image, 209, 150), defaultOutline);
    EXPECT_EQ(pixel(image, 279, 150), defaultOutline);
    EXPECT_EQ(pixel(image, 210, 150), black);
    EXPECT_EQ(pixel(image, 278, 150), black);
    r.active = true;
    EXPECT_EQ(pixel(render(), 210, 150), defaultOutline);
}

TEST_F(RendererTest, ComponentStylesAndTheColourMark) {
    const int a = component(Poi{100, 100});
    reactor.components[a].color = 0x0000FF;
    const QColor red(255, 0, 0);
    struct Case {
        int style;
        bool mark;
        Poi p;
        QColor expected;
    };
    const Case cases[] = {
        {Preferences::componentMinimalist, true, {100, 100}, red},
        {Preferences::componentMinimalist, false, {100, 100}, black},
        {Preferences::componentCone, true, {100, 100}, red},
        {Preferences::componentButton, true, {100, 100}, red},
        {Preferences::componentButton, true, {104, 104}, red},
        {Preferences::componentButton, true, {90, 90}, defaultOutline},
        // The face: the outline scaled by min(1, 1.2 - 0.1 i), truncated.
        {Preferences::componentButton, false, {100, 100}, QColor(93, 93, 93)},
        {Preferences::componentButton, false, {95, 95}, QColor(72, 72, 72)},
        {Preferences::componentButton, false, {91, 100}, QColor(31, 31, 31)},
    };
    for (const Case& c : cases) {
        preferences.componentStyle = c.style;
        preferences.colorIndicationOnComponent = c.mark;
        EXPECT_EQ(pixel(render(), c.p.x, c.p.y), c.expected)
            << c.style << " " << c.mark << " " << c.p.x << "," << c.p.y;
    }
}

TEST_F(RendererTest, ConeImagesFollowTheSelection) {
    const int a = component(Poi{100, 100});
    preferences.colorIndicationOnComponent = false;
    const QImage normal = render();
    reactor.components[a].selected = true;
    const QImage selected = render();
    const QImage expectedNormal = images.Ireactant;
    const QImage expectedSelected = images.Ireactant_selected;
    // The image's own pixels show where it is opaque; off the cone the
    // background stays.
    EXPECT_EQ(normal.pixelColor(100, 100).rgb(), expectedNormal.pixelColor(11, 11).rgb());
    EXPECT_EQ(selected.pixelColor(100, 100).rgb(), expectedSelected.pixelColor(11, 11).rgb());
    EXPECT_NE(normal.pixelColor(100, 100), selected.pixelColor(100, 100));
}

TEST_F(RendererTest, AShortcutShowsNoConcentration) {
    const int a = component(Poi{100, 100});
    const int s = shortcutOf(a, Poi{300, 100});
    const QImage image = render();
    const auto inked = [&](const Vcomponent& c) {
        int n = 0;
        // The unique component's label position, taken for both.
        const Poi centre = c.pos + Poi{0, 18};
        for (int y = centre.y - 5; y <= centre.y + 5; ++y)
            for (int x = centre.x - 10; x <= centre.x + 10; ++x)
                if (image.pixelColor(x, y) != black) ++n;
        return n;
    };
    EXPECT_GT(inked(reactor.components[a]), 0);
    EXPECT_EQ(inked(reactor.components[s]), 0);
}

TEST_F(RendererTest, DrawsOnlyInsideTheArea) {
    reactor.showGrid = true;
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.draw(painter, reactor, QRect(100, 100, 50, 50));
    painter.end();
    EXPECT_EQ(image.pixelColor(99, 120), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 100), black);
    EXPECT_EQ(image.pixelColor(112, 112), defaultGrid);
    EXPECT_EQ(image.pixelColor(150, 120), QColor(Qt::white));
}
