#include "windows/input/askvalue.h"

#include "windows/input/tfinputfield.h"
#include "windows/whenmodal.h"
#include "windows/windowtest.h"

TEST(AskValue, TheLawSelectsTheDragAndMinusOneTheShortDialog) {
    // law, integer, then logarithmic and adaptive
    const std::tuple<int, bool, bool, bool> cases[] = {
        {0, false, false, false}, {1, false, true, false}, {-2, false, true, true},
        {-1, false, true, false}, {1, true, true, false},  {-2, true, false, true},
        {-1, true, false, false},
    };
    for (const auto& [law, integer, logarithmic, adaptive] : cases) {
        std::pair<bool, bool> seen;
        whenModal<TFinputField>([&](TFinputField& d) {
            seen = {d.logarithmic, d.adaptive};
            d.reject();
        });
        double number = 1;
        std::int32_t order = 1;
        EXPECT_EQ(integer ? askInteger("Order", &order, nullptr, 1, 100, 10, law)
                          : askNumber("Value", &number, nullptr, 0, 10, 0, law),
                  0);
        EXPECT_EQ(seen, std::pair(logarithmic, adaptive)) << law << " " << integer;
    }
    double factor = 1.0;
    bool shortDialog = false;
    whenModal<TFinputField>([&](TFinputField& d) {
        shortDialog = d.sensor->isHidden() && d.height() < 98;
        QTest::mouseClick(d.Bok, Qt::LeftButton);
    });
    EXPECT_EQ(askNumber("Multiply rate constants by", &factor, nullptr, 0, 1e100, -1, -1), 1);
    EXPECT_TRUE(shortDialog);
    EXPECT_EQ(askNumber("Value", nullptr, nullptr, 0, 10, 0, -1), 0);
}
