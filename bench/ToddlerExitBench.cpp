// A toddler at the mouse, modelled: how long until the program ends by chance, and whether a
// parent still leaves quickly. The child clicks in bursts over a 1920x1080 screen, either
// anywhere alike or mostly near the corners (where a pointer pushed against the edges ends
// up). A left click that opens the door puts the exit question up; what follows is played out
// against the question's rules: a press outside it says No, so does no answer within the time
// limit, and Yes ends the program only on a press and release both on it, with little
// movement between and a hold long enough. The door, the question and its buttons are taken
// from the program's own layout, so the model follows them when they change.
//
// Rare endings are estimated by importance sampling: bursts that start while the question is
// up are drawn half the time over the question itself, and weighted back to the child's own
// odds. Every door episode is independent, so the time to an ending is exponential with the
// rate (door episodes per hour) x (chance that an episode ends the program).
#include "app/MainFormUi.h"
#include "play/KDPaintBox.h"
#include "play/PlayState.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "windows/ExitForm.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;
// The window manager's frame around the question (left, top, right, bottom): openbox's
// default theme, measured under Xvfb with _NET_FRAME_EXTENTS.
constexpr QMargins Frame(1, 20, 1, 1);

// What the child's sessions showed: the door took 0.44 % of random left clicks and was hit
// once every 12 minutes; with the question up and staying up, 1.0e-3 of uniform clicks and
// 2.5e-3 of corner-biased ones found Yes (29 trials, 12,197 clicks).
constexpr double DoorShare = 0.0044;
constexpr double DoorHitEverySeconds = 12 * 60;
constexpr double CornerYesShare = 2.5e-3;

// The child's hand (assumptions, not measurements).
constexpr double BurstMeanClicks = 3;       // clicks per burst, geometric
constexpr double GapMin = 0.05, GapMax = 0.20; // s from a release to the burst's next press
constexpr double BurstJitter = 8;           // px, the hand's wobble between a burst's clicks
constexpr double PalmMin = 0.4, PalmMax = 3.0; // s a press lasts that rests the palm on the button
constexpr double PressMedian = 0.11, PressSpread = 0.5; // s, log-normal, every other press
constexpr double SpeedMedian = 250, SpeedSpread = 0.8; // px/s, log-normal, the others
constexpr double ShowDelay = 0.1;           // s from the door's release to the question

// The parent's hand: Fitts's law, and a press that barely moves.
constexpr double FittsA = 0.10, FittsB = 0.15; // s, s per bit
constexpr double ParentReaction = 0.25;     // s to see the question and move
constexpr double ParentClick = 0.12;        // s a click lasts
constexpr double ParentMovement = 2;        // px moved while pressing
constexpr double ParentSeeFull = 0.15;      // s to see the fill complete and let go

struct TLayout {
    QRect Door, Question, Yes, No, CloseBox;
};

TLayout ProgramLayout()
{
    QWidget form;
    form.setGeometry(0, 0, ScreenWidth, ScreenHeight);
    TMainFormUi ui(&form, std::make_shared<TPlayState>());
    AlignControls(&form, form.rect());
    TLayout layout;
    layout.Door = QRect(ui.ImgExit->mapTo(&form, QPoint(0, 0)), ui.ImgExit->size());
    const QPoint topLeft = TFrmExit::TopLeftFor(ui.PbxDisplay->size());
    layout.Question = QRect(topLeft, QSize(TFrmExit::OuterWidth, TFrmExit::OuterHeight));
    layout.Yes = TFrmExit::OnScreen(TFrmExit::YesBounds, topLeft, Frame);
    layout.No = TFrmExit::OnScreen(TFrmExit::NoBounds, topLeft, Frame);
    // openbox's close box: the last button of the title bar.
    layout.CloseBox = QRect(layout.Question.right() - 18, layout.Question.top() + 3, 14, 14);
    return layout;
}

// Where a burst starts: with weight 1 - W anywhere alike, with weight W near one of the four
// corners, each coordinate an exponential distance from its edge (scale S).
struct TPlaces {
    double W { 0 };
    double S { 100 };

    static double EdgeShare(bool far, double from, double to, double s, double length)
    {
        const double norm = 1 - std::exp(-length / s);
        if (far)
            return (std::exp(-(length - to) / s) - std::exp(-(length - from) / s)) / norm;
        return (std::exp(-from / s) - std::exp(-to / s)) / norm;
    }
    double Share(const QRect& r) const
    {
        double corners = 0;
        for (bool right : { false, true })
            for (bool bottom : { false, true })
                corners += EdgeShare(right, r.left(), r.left() + r.width(), S, ScreenWidth) *
                           EdgeShare(bottom, r.top(), r.top() + r.height(), S, ScreenHeight);
        return (1 - W) * double(r.width()) * r.height() / (ScreenWidth * ScreenHeight) + W * corners / 4;
    }
    static double EdgeDensity(bool far, double at, double s, double length)
    {
        const double u = far ? length - at : at;
        return std::exp(-u / s) / s / (1 - std::exp(-length / s));
    }
    double Density(double x, double y) const
    {
        double corners = 0;
        for (bool right : { false, true })
            for (bool bottom : { false, true })
                corners += EdgeDensity(right, x, S, ScreenWidth) * EdgeDensity(bottom, y, S, ScreenHeight);
        return (1 - W) / (double(ScreenWidth) * ScreenHeight) + W * corners / 4;
    }
    template <class TRng> QPointF Draw(TRng& rng) const
    {
        std::uniform_real_distribution<double> u(0, 1);
        if (u(rng) >= W)
            return { u(rng) * ScreenWidth, u(rng) * ScreenHeight };
        const auto edge = [&](double length) { return -S * std::log(1 - u(rng) * (1 - std::exp(-length / S))); };
        const double dx = edge(ScreenWidth), dy = edge(ScreenHeight);
        return { u(rng) < 0.5 ? dx : ScreenWidth - dx, u(rng) < 0.5 ? dy : ScreenHeight - dy };
    }
};

// Corner bias that gives the door its 0.44 % of clicks and Yes its 2.5e-3.
TPlaces CalibrateCorners(const TLayout& layout)
{
    const auto weightFor = [&](double s) {
        const TPlaces uniform { 0, s }, corner { 1, s };
        return (DoorShare - uniform.Share(layout.Door)) / (corner.Share(layout.Door) - uniform.Share(layout.Door));
    };
    double lo = 20, hi = 1000;
    for (int i = 0; i < 100; ++i) {
        const double mid = (lo + hi) / 2;
        const TPlaces places { weightFor(mid), mid };
        (places.Share(layout.Yes) < CornerYesShare ? lo : hi) = mid;
    }
    return { weightFor(lo), lo };
}

// How heavy the hand is: the share of presses that rest the palm, and of presses made with
// the mouse held still (1 px tremor).
struct THand {
    const char* Name;
    double PalmShare;
    double StillShare;
};
constexpr THand UsualHand { "", 0.08, 0.5 };
constexpr THand HeavyHand { " (heavy hand: 16 % palm rests, 80 % still)", 0.16, 0.8 };

struct TRules {
    const char* Name;
    bool OutsideSaysNo;
    double TimeoutS;
    double Slop;
    double HoldS;
};

struct TPress {
    double Duration;
    QPointF Release;
};

class TToddler {
public:
    TToddler(const TLayout& layout, const TPlaces& places, const TRules& rules, const THand& hand, std::uint64_t seed)
        : m_layout(layout)
        , m_places(places)
        , m_rules(rules)
        , m_hand(hand)
        , m_rng(seed)
    {
    }

    // One door click played out: the chance weight with which it ended the program (0 when
    // it did not), and how long the question stood.
    struct TEpisode {
        double Weight;
        double Seconds;
    };

    TEpisode Episode(double proposalShare)
    {
        std::uniform_real_distribution<double> u(0, 1);
        const QRectF door(m_layout.Door);
        const QPointF at(door.left() + u(m_rng) * door.width(), door.top() + u(m_rng) * door.height());
        const TPress first = Press(at);
        if (!door.contains(first.Release))
            return { 0, 0 }; // let go off the door: no question
        const double open = first.Duration;
        const double deadline = open + ShowDelay + m_rules.TimeoutS;
        double weight = 1;
        double t = open;
        QPointF burstStart = at;
        int left = Remaining();
        for (;;) {
            QPointF point;
            if (left > 0) {
                --left;
                t += Gap();
                point = burstStart + QPointF(m_jitter(m_rng) * BurstJitter, m_jitter(m_rng) * BurstJitter);
            } else {
                t += std::exponential_distribution<double>(BurstRate())(m_rng);
                point = BurstStart(proposalShare, weight);
                burstStart = point;
                left = Remaining();
            }
            if (t > deadline)
                return { 0, deadline - open };
            const TPress press = Press(point);
            const QRectF question(m_layout.Question);
            if (!question.contains(point) || t < open + ShowDelay) {
                if (m_rules.OutsideSaysNo)
                    return { 0, t - open };
                t += press.Duration;
                continue;
            }
            if (QRectF(m_layout.CloseBox).contains(point) && QRectF(m_layout.CloseBox).contains(press.Release))
                return { 0, t - open };
            if (QRectF(m_layout.No).contains(point) && QRectF(m_layout.No).contains(press.Release))
                return { 0, t - open };
            if (QRectF(m_layout.Yes).contains(point) && YesClicks(point, press))
                return { weight, t - open };
            t += press.Duration;
        }
    }

    double BurstRate() const { return LeftRate() / BurstMeanClicks; }
    static double LeftRate() { return 1 / (DoorShare * DoorHitEverySeconds); }

private:
    int Remaining()
    {
        // After any one click of a burst, the clicks still to come: geometric, as the burst.
        return std::geometric_distribution<int>(1 / BurstMeanClicks)(m_rng);
    }
    double Gap() { return std::uniform_real_distribution<double>(GapMin, GapMax)(m_rng); }

    QPointF BurstStart(double proposalShare, double& weight)
    {
        std::uniform_real_distribution<double> u(0, 1);
        const QRectF question(m_layout.Question);
        QPointF point;
        if (u(m_rng) < proposalShare)
            point = QPointF(question.left() + u(m_rng) * question.width(), question.top() + u(m_rng) * question.height());
        else
            point = m_places.Draw(m_rng);
        if (proposalShare > 0) {
            const double own = m_places.Density(point.x(), point.y());
            const double over = question.contains(point) ? 1 / (question.width() * question.height()) : 0;
            weight *= own / (proposalShare * over + (1 - proposalShare) * own);
        }
        return point;
    }

    TPress Press(QPointF at)
    {
        std::uniform_real_distribution<double> u(0, 1);
        const double duration = u(m_rng) < m_hand.PalmShare
            ? PalmMin + u(m_rng) * (PalmMax - PalmMin)
            : PressMedian * std::exp(PressSpread * m_jitter(m_rng));
        const double moved = u(m_rng) < m_hand.StillShare ? std::abs(m_jitter(m_rng))
                                                   : SpeedMedian * std::exp(SpeedSpread * m_jitter(m_rng)) * duration;
        const double angle = u(m_rng) * 2 * std::numbers::pi;
        return { duration, at + QPointF(moved * std::cos(angle), moved * std::sin(angle)) };
    }

    bool YesClicks(QPointF at, const TPress& press) const
    {
        const QPointF moved = press.Release - at;
        return QRectF(m_layout.Yes).contains(press.Release) && std::hypot(moved.x(), moved.y()) <= m_rules.Slop &&
               press.Duration >= m_rules.HoldS;
    }

    TLayout m_layout;
    TPlaces m_places;
    TRules m_rules;
    THand m_hand;
    std::mt19937_64 m_rng;
    std::normal_distribution<double> m_jitter { 0, 1 };
};

struct TResult {
    double DoorsPerHour;
    double EndPerDoor;
    double EndPerDoorError;
    double MedianHours;
    double WithinHourShare;
};

// The rare endings of the guarded question: the exit rate is exponential.
TResult Estimate(const TLayout& layout, const TPlaces& places, const TRules& rules, const THand& hand, int episodes)
{
    TToddler toddler(layout, places, rules, hand, 20261207);
    double sum = 0, sumSq = 0, seconds = 0;
    for (int i = 0; i < episodes; ++i) {
        const auto episode = toddler.Episode(0.5);
        sum += episode.Weight;
        sumSq += episode.Weight * episode.Weight;
        seconds += episode.Seconds;
    }
    TResult result {};
    result.DoorsPerHour = 3600 * TToddler::LeftRate() * places.Share(layout.Door);
    result.EndPerDoor = sum / episodes;
    result.EndPerDoorError = std::sqrt(std::max(0.0, sumSq / episodes - result.EndPerDoor * result.EndPerDoor) / episodes);
    // A cycle: play until the door, then the question's time.
    const double cycleHours = 1 / result.DoorsPerHour + seconds / episodes / 3600;
    const double endsPerHour = result.EndPerDoor / cycleHours;
    result.MedianHours = endsPerHour > 0 ? std::log(2.0) / endsPerHour : std::numeric_limits<double>::infinity();
    result.WithinHourShare = 1 - std::exp(-endsPerHour);
    return result;
}

// The old question, which stayed up until Yes or No: whole sessions played out, as its
// endings are common.
TResult Sessions(const TLayout& layout, const TPlaces& places, const TRules& rules, int sessions)
{
    TToddler toddler(layout, places, rules, UsualHand, 7);
    std::mt19937_64 rng(11);
    const double doorsPerSecond = TToddler::LeftRate() * places.Share(layout.Door);
    std::exponential_distribution<double> untilDoor(doorsPerSecond);
    std::vector<double> hours;
    int doors = 0, ended = 0;
    for (int s = 0; s < sessions; ++s) {
        double t = 0;
        for (;;) {
            t += untilDoor(rng);
            const auto episode = toddler.Episode(0);
            ++doors;
            t += episode.Seconds;
            if (episode.Weight > 0) {
                ++ended;
                break;
            }
        }
        hours.push_back(t / 3600);
    }
    std::sort(hours.begin(), hours.end());
    TResult result {};
    result.DoorsPerHour = 3600 * doorsPerSecond;
    result.EndPerDoor = double(ended) / doors;
    result.MedianHours = hours[hours.size() / 2];
    result.WithinHourShare = double(std::lower_bound(hours.begin(), hours.end(), 1.0) - hours.begin()) / hours.size();
    return result;
}

struct TParent {
    int Clicks;
    double Seconds;
    bool WithinSlop;
};

TParent Parent(const TLayout& layout)
{
    const QPointF from = QRectF(layout.Door).center(), to = QRectF(layout.Yes).center();
    const double distance = std::hypot(to.x() - from.x(), to.y() - from.y());
    const double width = std::min(layout.Yes.width(), layout.Yes.height());
    const double move = FittsA + FittsB * std::log2(distance / width + 1);
    const double hold = std::max(ParentClick, TFrmExit::YesHoldMs / 1000.0 + ParentSeeFull);
    return { 2, ParentClick + ShowDelay + ParentReaction + move + hold, ParentMovement <= TFrmExit::YesSlop };
}

constexpr TRules OldRules { "old question (no outside No, no time-out, any release on Yes)", false,
                            std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(), 0 };
constexpr TRules ClickRule { "outside No + time-out + press/release on Yes, no hold", true,
                             TFrmExit::AnswerTimeoutMs / 1000.0, double(TFrmExit::YesSlop), 0 };
constexpr TRules ProgramRules { "the program: the above + the hold on Yes", true, TFrmExit::AnswerTimeoutMs / 1000.0,
                                double(TFrmExit::YesSlop), TFrmExit::YesHoldMs / 1000.0 };

// What every run shares: the layout, the two ways clicks fall, and the lines of the summary.
struct TModel {
    TLayout Layout;
    TPlaces Uniform;
    TPlaces Corners;
    std::vector<std::string> Summary;
};

void Report(benchmark::State& state, const TResult& r)
{
    state.counters["doors_per_h"] = r.DoorsPerHour;
    state.counters["end_per_door"] = r.EndPerDoor;
    state.counters["median_h"] = r.MedianHours;
    state.counters["within_1h_pct"] = 100 * r.WithinHourShare;
}

std::string ResultLine(const char* places, const TRules& rules, const THand& hand, const TResult& r)
{
    char line[400];
    int n = std::snprintf(line, sizeof line,
                          "  %-7s %s%s:\n          median %.1f h, within 1 h %.4f %% (door %.2f/h, ends per door %.3g",
                          places, rules.Name, hand.Name, r.MedianHours, 100 * r.WithinHourShare, r.DoorsPerHour,
                          r.EndPerDoor);
    if (r.EndPerDoorError > 0)
        n += std::snprintf(line + n, sizeof line - n, " +- %.2g", r.EndPerDoorError);
    std::snprintf(line + n, sizeof line - n, ")");
    return line;
}

void ToddlerEndsProgram(benchmark::State& state, TModel& model, bool corners, const TRules& rules, const THand& hand)
{
    const TPlaces& places = corners ? model.Corners : model.Uniform;
    TResult r {};
    for (auto _ : state)
        r = &rules == &OldRules ? Sessions(model.Layout, places, rules, 4000)
                                : Estimate(model.Layout, places, rules, hand, 4'000'000);
    Report(state, r);
    model.Summary.push_back(ResultLine(corners ? "corners" : "uniform", rules, hand, r));
}

void ParentLeaves(benchmark::State& state, TModel& model)
{
    TParent parent {};
    for (auto _ : state)
        benchmark::DoNotOptimize(parent = Parent(model.Layout));
    state.counters["clicks"] = parent.Clicks;
    state.counters["seconds"] = parent.Seconds;
    char line[200];
    std::snprintf(line, sizeof line,
                  "  parent: %d clicks, %.2f s from the door to the program's end (press within the %d px slop: %s)",
                  parent.Clicks, parent.Seconds, TFrmExit::YesSlop, parent.WithinSlop ? "yes" : "NO");
    model.Summary.push_back(line);
}

void PrintAssumptions(const TModel& model)
{
    std::printf("Toddler model of the exit question, %dx%d screen\n", ScreenWidth, ScreenHeight);
    const auto rect = [](const QRect& r) {
        return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" + std::to_string(r.x()) + "+" +
               std::to_string(r.y());
    };
    std::printf("  program layout: door %s, question %s, Yes %s, No %s (frame l%d t%d r%d b%d assumed)\n",
                rect(model.Layout.Door).c_str(), rect(model.Layout.Question).c_str(), rect(model.Layout.Yes).c_str(),
                rect(model.Layout.No).c_str(), Frame.left(), Frame.top(), Frame.right(), Frame.bottom());
    std::printf("  rules: time-out %d ms, Yes slop %d px, Yes hold %d ms\n", TFrmExit::AnswerTimeoutMs,
                TFrmExit::YesSlop, TFrmExit::YesHoldMs);
    std::printf("  click rate: 1 / (%.2f %% door share x %.0f min between door hits) = %.3f left clicks/s"
                " (%.1f/min); only left clicks are modelled (the other buttons only say No sooner)\n",
                100 * DoorShare, DoorHitEverySeconds / 60, TToddler::LeftRate(), 60 * TToddler::LeftRate());
    std::printf("  uniform places: door %.3f %%, Yes %.2e of clicks\n", 100 * model.Uniform.Share(model.Layout.Door),
                model.Uniform.Share(model.Layout.Yes));
    std::printf("  corner places: %.0f %% of bursts start near a corner (exponential, scale %.0f px): door %.3f %%,"
                " Yes %.2e of clicks (fitted to 0.44 %% and 2.5e-3)\n",
                100 * model.Corners.W, model.Corners.S, 100 * model.Corners.Share(model.Layout.Door), model.Corners.Share(model.Layout.Yes));
    std::printf("  bursts: %.0f clicks on average (geometric), %.0f-%.0f ms apart, %.0f px wobble; presses:"
                " palm rests last %.1f-%.1f s, others log-normal median %.0f ms; a moving mouse goes at median"
                " %.0f px/s\n",
                BurstMeanClicks, 1000 * GapMin, 1000 * GapMax, BurstJitter, PalmMin, PalmMax, 1000 * PressMedian,
                SpeedMedian);
    std::printf("  hand: %.0f %% palm rests, %.0f %% of presses with the mouse still\n", 100 * UsualHand.PalmShare,
                100 * UsualHand.StillShare);
    std::printf("  parent: Fitts a=%.2f s b=%.2f s/bit, reaction %.2f s, click %.2f s, question shows %.2f s after"
                " the door\n",
                FittsA, FittsB, ParentReaction, ParentClick, ShowDelay);
    std::printf("  goal: median >= 1000 h, within 1 h < 0.1 %%, parent 2 clicks < 3 s\n");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TModel model;
    model.Layout = ProgramLayout();
    model.Corners = CalibrateCorners(model.Layout);
    PrintAssumptions(model);
    const auto add = [&model](const std::string& name, bool corners, const TRules& rules, const THand& hand) {
        benchmark::RegisterBenchmark(("ToddlerEndsProgram/" + name).c_str(),
                                     [&model, corners, &rules, &hand](benchmark::State& state) {
                                         ToddlerEndsProgram(state, model, corners, rules, hand);
                                     })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    };
    for (bool corners : { false, true }) {
        const std::string name = corners ? "corners" : "uniform";
        add(name + "/old", corners, OldRules, UsualHand);
        add(name + "/click", corners, ClickRule, UsualHand);
        add(name + "/program", corners, ProgramRules, UsualHand);
    }
    add("corners/program/heavy_hand", true, ProgramRules, HeavyHand);
    benchmark::RegisterBenchmark("ParentLeaves", [&model](benchmark::State& state) { ParentLeaves(state, model); })
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Results\n");
    for (const std::string& line : model.Summary)
        std::printf("%s\n", line.c_str());
    return 0;
}
