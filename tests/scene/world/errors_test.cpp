// Misuse of the software view ends the program: the exact report, then
// exit code 1. Every operation that takes an index is tried at 0, n + 1 and
// a negative index; every property operation with codes above 3.
#include "fatalcapture.h"
#include "vx3dworld.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr int kN = 2; // objects of each kind

struct Misuse
{
    std::string function;
    std::string message;
    std::function<void(TVx3DWorld &, int32_t)> call; // called with the bad index
};

void populate(TVx3DWorld &view)
{
    view.resize(100, 100);
    view.UpdateWorldSize();
    view.AddNParticles(kN, 1, 3, 0, 0, 0, 0xFF, 0);
    view.AddNSegments(kN, 0, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    view.AddNPoints(kN, 0, 1, 0, 0, 0, 0xFF, 0);
    view.AddNPlanes(kN, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    view.AddNLabels(kN, 12, 0, 0, 0, 0xFF, "x");
    view.AddNTraces(kN, 0, 0xFF, 1, 4);
}

std::vector<Misuse> badIndexCases()
{
    const std::string particle = "Attempt to address non existing particle!";
    const std::string segment = "Attempt to address non existing segment!";
    const std::string point = "Attempt to address non existing point!";
    const std::string plane = "Attempt to address non existing plane!";
    const std::string label = "Attempt to address non existing label!";
    return {
        {"MoveParticle", particle, [](TVx3DWorld &v, int32_t i) { v.MoveParticle(i, 1, 2, 3); }},
        {"ChangeParticleProperties", particle,
         [](TVx3DWorld &v, int32_t i) { v.ChangeParticleProperties(0, i, 1); }},
        {"DrawParticle", particle, [](TVx3DWorld &v, int32_t i) { v.DrawParticle(v.canvas(), i); }},
        {"MoveSegment", "Attempt to address non existing segment ignored!",
         [](TVx3DWorld &v, int32_t i) { v.MoveSegment(i, 1, 2, 3, 4, 5, 6); }},
        {"ChangeSegmentProperties", segment,
         [](TVx3DWorld &v, int32_t i) { v.ChangeSegmentProperties(0, i, 1); }},
        {"DrawSegment", segment, [](TVx3DWorld &v, int32_t i) { v.DrawSegment(v.canvas(), i); }},
        {"MovePoint", "Attempt to address non existing point ignored!",
         [](TVx3DWorld &v, int32_t i) { v.MovePoint(i, 1, 2, 3); }},
        {"ChangePointProperties", point,
         [](TVx3DWorld &v, int32_t i) { v.ChangePointProperties(0, i, 1); }},
        {"DrawPoint", point, [](TVx3DWorld &v, int32_t i) { v.DrawPoint(v.canvas(), i); }},
        {"MovePlane", "Attempt to address non existing plane ignored!",
         [](TVx3DWorld &v, int32_t i) { v.MovePlane(i, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12); }},
        {"ChangePlaneProperties", plane,
         [](TVx3DWorld &v, int32_t i) { v.ChangePlaneProperties(0, i, 1.0f); }},
        {"DrawPlane", plane, [](TVx3DWorld &v, int32_t i) { v.DrawPlane(v.canvas(), i, 1); }},
        {"MoveLabel", "Attempt to address non existing label ignored!",
         [](TVx3DWorld &v, int32_t i) { v.MoveLabel(i, 1, 2, 3); }},
        {"ChangeLabelProperties", label,
         [](TVx3DWorld &v, int32_t i) { v.ChangeLabelProperties(0, i, 1); }},
        {"ChangeLabelText", label, [](TVx3DWorld &v, int32_t i) { v.ChangeLabelText(i, "y"); }},
        {"DrawLabel", label, [](TVx3DWorld &v, int32_t i) { v.DrawLabel(v.canvas(), i); }},
    };
}

class BadIndexDeathTest : public ::testing::TestWithParam<Misuse>
{
};

TEST_P(BadIndexDeathTest, ZeroPastTheEndAndNegativeAreFatal)
{
    const Misuse &m = GetParam();
    const std::string pattern = molvix::test::fatalPattern("Vx3DWorld Error", m.function, m.message);
    for (int32_t index : {0, kN + 1, -1}) {
        EXPECT_EXIT(
            {
                TVx3DWorld view;
                populate(view);
                m.call(view, index);
            },
            ::testing::ExitedWithCode(1), pattern)
            << "index " << index;
    }
}

TEST_P(BadIndexDeathTest, ValidIndicesAreAccepted)
{
    TVx3DWorld view;
    populate(view);
    GetParam().call(view, 1);
    GetParam().call(view, kN);
}

INSTANTIATE_TEST_SUITE_P(AllOperations, BadIndexDeathTest, ::testing::ValuesIn(badIndexCases()),
                         [](const auto &info) { return info.param.function; });

struct BadCode
{
    std::string function;
    std::string message;
    std::function<void(TVx3DWorld &, uint8_t)> call;
};

class BadCodeDeathTest : public ::testing::TestWithParam<BadCode>
{
};

TEST_P(BadCodeDeathTest, CodesAboveThreeAreFatal)
{
    const BadCode &c = GetParam();
    const std::string pattern = molvix::test::fatalPattern("Vx3DWorld Error", c.function, c.message);
    for (uint8_t code : {uint8_t(4), uint8_t(255)}) {
        EXPECT_EXIT(
            {
                TVx3DWorld view;
                populate(view);
                c.call(view, code);
            },
            ::testing::ExitedWithCode(1), pattern)
            << "code " << int(code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, BadCodeDeathTest,
    ::testing::Values(
        BadCode{"ChangeParticleProperties", "No valid particle propertie type!",
                [](TVx3DWorld &v, uint8_t c) { v.ChangeParticleProperties(c, 1, 0); }},
        BadCode{"ChangeSegmentProperties", "No valid segment propertie type!",
                [](TVx3DWorld &v, uint8_t c) { v.ChangeSegmentProperties(c, 1, 0); }},
        BadCode{"ChangePointProperties", "No valid point propertie type!",
                [](TVx3DWorld &v, uint8_t c) { v.ChangePointProperties(c, 1, 0); }},
        BadCode{"ChangePlaneProperties", "No valid plane propertie type!",
                [](TVx3DWorld &v, uint8_t c) { v.ChangePlaneProperties(c, 1, 0.0f); }},
        BadCode{"ChangeLabelProperties", "No valid label propertie type!",
                [](TVx3DWorld &v, uint8_t c) { v.ChangeLabelProperties(c, 1, 0); }}),
    [](const auto &info) { return info.param.function; });

class TraceMisuseDeathTest : public ::testing::Test
{
protected:
    static std::string pattern(const std::string &function, const std::string &message)
    {
        return molvix::test::fatalPattern("Vx3DWorld Error", function, message);
    }
};

TEST_F(TraceMisuseDeathTest, LinkChecksParticleThenTraceThenLength)
{
    const auto link = [](int32_t trace, int32_t particle, int32_t maxPoints) {
        TVx3DWorld view;
        populate(view);
        view.LinkTraceToParticle(trace, particle, 0, 0xFF, 1, maxPoints, 1);
    };
    // Everything wrong at once: the particle is named first.
    EXPECT_EXIT(link(0, 0, 0), ::testing::ExitedWithCode(1),
                pattern("LinkTraceToParticle", "No valid particle reference!"));
    EXPECT_EXIT(link(kN + 1, 1, 0), ::testing::ExitedWithCode(1),
                pattern("LinkTraceToParticle", "No valid trace reference!"));
    EXPECT_EXIT(link(1, 1, 5), ::testing::ExitedWithCode(1),
                pattern("LinkTraceToParticle", "Too much trace points!"));
    EXPECT_EXIT(link(1, 1, 0), ::testing::ExitedWithCode(1),
                pattern("LinkTraceToParticle", "Too much trace points!"));
}

TEST_F(TraceMisuseDeathTest, EveryOutOfRangeLinkArgumentIsReported)
{
    const auto link = [](int32_t trace, int32_t particle, int32_t maxPoints) {
        TVx3DWorld view;
        populate(view);
        view.LinkTraceToParticle(trace, particle, 0, 0xFF, 1, maxPoints, 1);
    };
    for (int32_t bad : {0, kN + 1, -1}) {
        EXPECT_EXIT(link(1, bad, 4), ::testing::ExitedWithCode(1),
                    pattern("LinkTraceToParticle", "No valid particle reference!"))
            << "particle " << bad;
        EXPECT_EXIT(link(bad, 1, 4), ::testing::ExitedWithCode(1),
                    pattern("LinkTraceToParticle", "No valid trace reference!"))
            << "trace " << bad;
    }
    EXPECT_EXIT(link(1, 1, -1), ::testing::ExitedWithCode(1),
                pattern("LinkTraceToParticle", "Too much trace points!"));
}

TEST_F(TraceMisuseDeathTest, IntervalsAndLengthsBelowOneWouldDivideByZero)
{
    EXPECT_EXIT(
        {
            TVx3DWorld view;
            view.AddNTraces(1, 0, 0xFF, 0, 4);
        },
        ::testing::ExitedWithCode(1), pattern("AddNTraces", "No valid trace interval!"));
    EXPECT_EXIT(
        {
            TVx3DWorld view;
            view.AddNTraces(1, 0, 0xFF, 1, 0);
        },
        ::testing::ExitedWithCode(1), pattern("AddNTraces", "No valid trace length!"));
    EXPECT_EXIT(
        {
            TVx3DWorld view;
            populate(view);
            view.LinkTraceToParticle(1, 1, 0, 0xFF, -3, 4, 1);
        },
        ::testing::ExitedWithCode(1), pattern("LinkTraceToParticle", "No valid trace interval!"));
}

TEST(StoreMemoryDeathTest, AStoreTooLargeForMemoryIsReported)
{
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer ends a failed operator new with its own report
    // instead of throwing, so the view never sees the failure.
    GTEST_SKIP() << "allocation failure is AddressSanitizer's own under ASan";
#endif
    const std::string caption = "Vx3DWorld Error";
    EXPECT_EXIT(
        {
            TVx3DWorld view;
            view.AddNParticles(INT32_MAX, 1, 3, 0, 0, 0, 0, 0);
        },
        ::testing::ExitedWithCode(1),
        molvix::test::fatalPattern(caption, "AddNParticles",
                                   "There are not enough memory to store particles!"));
    EXPECT_EXIT(
        {
            TVx3DWorld view;
            view.AddNSegments(INT32_MAX, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0);
        },
        ::testing::ExitedWithCode(1),
        molvix::test::fatalPattern(caption, "AddNSegments",
                                   "There are not enough memory to store segments!"));
}

TEST(DrawWorldDeathTest, AnInUseCountAboveTheStoreIsReportedByTheDrawOperation)
{
    EXPECT_EXIT(
        {
            TVx3DWorld view;
            populate(view);
            view.NParticles = kN + 1;
            view.ProjectAll(); // projects only what exists
            view.DrawWorld();
        },
        ::testing::ExitedWithCode(1),
        molvix::test::fatalPattern("Vx3DWorld Error", "DrawParticle",
                                   "Attempt to address non existing particle!"));
}

} // namespace
