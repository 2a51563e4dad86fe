// Memory that runs out, in the real window: a grid that memory cannot hold
// and a Z-buffer that cannot be had. Each runs in a child process under a
// lowered address-space limit, so the allocations fail at once and the
// machine's memory is never at stake; the child reports what did not hold.
#include "AddressSpaceLimit.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

using Platform::TMessageKind;

struct TFailures {
    std::vector<std::string> List;
    void Expect(bool Holds, const std::string& What)
    {
        if (!Holds) List.push_back(What);
    }
    [[noreturn]] void Exit() const
    {
        for (const std::string& What : List)
            std::fprintf(stderr, "FAILED: %s\n", What.c_str());
        std::fflush(stderr);
        std::_Exit(List.empty() ? 0 : 1);
    }
};

void SetSettings(TWindowDriver& W, const char* Points, const char* XFrom, const char* XTo,
                 const char* ZFrom, const char* ZTo, const char* Expression)
{
    auto& F = W.Form();
    W.Type(F.PointsToShowEdit, Points);
    W.Type(F.XIntervalFromEdit, XFrom);
    W.Type(F.XIntervalToEdit, XTo);
    W.Type(F.ZIntervalFromEdit, ZFrom);
    W.Type(F.ZIntervalToEdit, ZTo);
    W.Type(F.FunctionExpressionEdit, Expression);
}

// A calculation of a small grid that must succeed and draw its graph.
void CalculateSmallGrid(TWindowDriver& W, TFailures& Failures, const std::string& When)
{
    auto& F = W.Form();
    SetSettings(W, "100", "-10", "10", "-10", "10", "x*z/10");
    F.CalculateResultsButton->click();
    const auto Shown = W.TakeMessages();
    Failures.Expect(Shown.size() == 1 && Shown[0].Kind == TMessageKind::mkInformation,
                    When + ": a small calculation shows exactly its information box");
    Failures.Expect(W.CheckResultSet().empty(), When + ": " + W.CheckResultSet());
    Failures.Expect(!W.AllBlack(F.GraphImage), When + ": the new graph is drawn");
    Failures.Expect(!W.LegendEmpty(), When + ": the legend describes the new set");
}

// Exactly one error box with Text, shown while the picture still had the
// content hashed as Graph; true when a box was shown at all.
bool ExpectOneErrorBox(TFailures& Failures, const std::vector<TShownMessage>& Shown,
                       const std::string& Text, uint64_t Graph)
{
    Failures.Expect(Shown.size() == 1, "one message box for the failure");
    if (Shown.empty()) return false;
    Failures.Expect(Shown[0].Kind == TMessageKind::mkError, "the failure is an error box");
    Failures.Expect(Shown[0].Text == Text, "text: " + Shown[0].Text);
    Failures.Expect(Shown[0].GraphHash == Graph,
                    "the picture keeps its content while the box is open");
    return true;
}

void GridMemoryRunsOut()
{
    TFailures Failures;
    TWindowDriver W;
    auto& F = W.Form();
    CalculateSmallGrid(W, Failures, "before");
    {
        TAddressSpaceLimit Limit(256u << 20);
        if (!Limit.IsActive()) {
            Failures.Expect(false, "the address-space limit could not be set");
            Failures.Exit();
        }
        // 999999 points over X 0..1 and Z 0..4e10: one column of 2e8 rows, 4.8 GB.
        SetSettings(W, "999999", "0", "1", "0", "4e10", "x+z");
        const uint64_t OldGraph = W.GraphHash();
        F.CalculateResultsButton->click();
        ExpectOneErrorBox(Failures, W.TakeMessages(), "Cannot allocate necessary memory.",
                          OldGraph);
        Failures.Expect(F.Results.Points.empty(), "no result set after the failure");
        Failures.Expect(W.AllBlack(F.GraphImage) && W.AllBlack(F.OutLineImage),
                        "both pictures black");
        Failures.Expect(W.LegendEmpty(), "the legend is empty");
        Failures.Expect(W.CheckControlsEnabled().empty(), W.CheckControlsEnabled());

        // The program goes on working within the same limit.
        F.ZoomIncButton->click();
        const auto NoResults = W.TakeMessages();
        Failures.Expect(NoResults.size() == 1 &&
                            NoResults[0].Text == "There are no calculated results to show.",
                        "a view change after the failure reports that there are no results");
        CalculateSmallGrid(W, Failures, "after");
    }
    Failures.Exit();
}

void DepthBufferMemoryRunsOut()
{
    TFailures Failures;
    TWindowDriver W;
    auto& F = W.Form();
    CalculateSmallGrid(W, Failures, "before");
    const uint64_t Graph = W.GraphHash();
    const QString CameraX = F.CameraXEdit->text(), CameraZ = F.CameraZEdit->text();
    // A fixed threshold keeps the 816,080-byte buffer out of the heap's free
    // space: it needs new address space, which the limit below refuses.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    std::vector<TShownMessage> Shown;
    {
        TAddressSpaceLimit Limit(256u * 1024u);
        if (!Limit.IsActive()) {
            Failures.Expect(false, "the address-space limit could not be set");
            Failures.Exit();
        }
        F.ZBufferCheckBox->click();
        Shown = W.TakeMessages();
    }
    if (ExpectOneErrorBox(Failures, Shown, "Cannot allocate memory for Z-Buffer.", Graph)) {
        Failures.Expect(Shown[0].ControlsEnabled, "no control is disabled by the failed repaint");
        Failures.Expect(Shown[0].CameraX == CameraX.toStdString() &&
                            Shown[0].CameraZ == CameraZ.toStdString(),
                        "the camera fields are not written");
    }
    Failures.Expect(F.ZBufferCheckBox->isChecked(), "the click checked the box");
    Failures.Expect(!F.Results.Points.empty(), "the result set is kept");

    // With memory back, the next repaint draws through the Z-buffer.
    F.ZoomIncButton->click();
    Failures.Expect(W.TakeMessages().empty(), "the repaint after the failure shows no message");
    Failures.Expect(!W.AllBlack(F.GraphImage), "the graph is drawn again");
    Failures.Expect(W.CheckControlsEnabled().empty(), W.CheckControlsEnabled());
    Failures.Exit();
}

class MemoryExhaustion : public testing::Test {
protected:
    void SetUp() override
    {
        if (ShadowSanitizerBuild)
            GTEST_SKIP() << "an address-space limit cannot be used under the sanitizer";
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }
};

TEST_F(MemoryExhaustion, GridThatMemoryCannotHoldEmptiesTheSetAndTheProgramGoesOn)
{
    EXPECT_EXIT(GridMemoryRunsOut(), testing::ExitedWithCode(0), "");
}

TEST_F(MemoryExhaustion, ZBufferThatCannotBeAllocatedChangesNothing)
{
    EXPECT_EXIT(DepthBufferMemoryRunsOut(), testing::ExitedWithCode(0), "");
}

}  // namespace
