#include "windows/reactions/reactionrenderer.h"

#include "session/preferences.h"
#include "support/reactorfixture.h"
#include "support/tempdir.h"
#include "windows/reactions/reactantimages.h"
#include "windows/windowtest.h"

namespace {

// Colours as the drawing fixes them, written out channel by channel.
const QColor black(0, 0, 0);
const QColor defaultOutline(104, 104, 104);
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
