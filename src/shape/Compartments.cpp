#include "Compartments.h"

#include "ShapeCodes.h"

#include <QList>

#include <functional>
#include <utility>

namespace {
struct Sizes {
    int W, H, F, Mu, Tr;
    const ClearSizeSet &in;
    int L(int i) const { return in.Left[i]; }
    int B(int i) const { return in.Widths[i]; }
    int R(int i) const { return in.Right[i]; }
    int M(int i) const { return in.Middle[i]; }
};

struct Plan {
    QList<std::pair<int, int>> compartments; // clear width, clear height, by index
    int upperSection = -1;                    // -1: the code has no upper section
    int stepLeft = 0, stepRight = 0;
};

using Rule = std::function<Plan(const Sizes &)>;

struct CodeRule {
    const char *code;
    int count;
    Rule rule;
};

// h0 is compartment 0's clear height, USH the upper section; both are formed before they are used.
const QList<CodeRule> &rules()
{
    static const QList<CodeRule> table = {
        {"K", 1, [](const Sizes &s) { return Plan{{{s.W - 2 * s.F, s.H - 2 * s.F}}}; }},
        {"K;;1;S", 2, [](const Sizes &s) { return Plan{{{s.B(0), s.H - 2 * s.F}, {s.B(1), s.H - 2 * s.F}}}; }},
        {"K;;1;S;2", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.H - 2 * s.F}, {s.B(1), s.R(0)}, {s.B(1), s.R(1)}}}; }},
        {"K;;1;S;1", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F}, {s.B(0), s.L(1)}}}; }},
        {"K;;1;S;1;2", 4,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0)}, {s.B(0), s.L(1)}, {s.B(1), s.R(1)}}}; }},
        {"K;;2;S", 3,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.H - 2 * s.F}, {s.B(1), s.H - 2 * s.F}, {s.B(2), s.H - 2 * s.F}}};
         }},
        {"K;;2;S;D1;D2;D3", 6,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.M(0)}, {s.B(2), s.R(0)}, {s.B(0), s.L(1)}, {s.B(1), s.M(1)},
                          {s.B(2), s.R(1)}}};
         }},
        {"K;;2;S;D2;S2", 5,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.H - 2 * s.F}, {s.B(1), s.R(0)}, {s.B(2), s.R(0)}, {s.B(3), s.H - 2 * s.F},
                          {s.B(1) + s.Mu + s.B(2), s.R(1)}}};
         }},
        {"K;;2;S;D1;D2;D3;S2", 7,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.M(0)}, {s.B(2), s.M(0)}, {s.B(3), s.R(0)}, {s.B(0), s.L(1)},
                          {s.B(1) + s.Mu + s.B(2), s.M(1)}, {s.B(3), s.R(1)}}};
         }},
        {"K;;2;S;D1;D3", 5,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F}, {s.B(2), s.R(0)}, {s.B(0), s.L(1)}, {s.B(2), s.R(1)}}};
         }},
        {"K;;3;S", 4,
         [](const Sizes &s) {
             const int h = s.H - 2 * s.F;
             return Plan{{{s.B(0), h}, {s.B(1), h}, {s.B(2), h}, {s.B(3), h}}};
         }},
        {"L;1", 2, [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F}}}; }},
        {"L;2", 3,
         [](const Sizes &s) {
             return Plan{{{s.B(0) + s.Mu + s.B(1), s.L(0)}, {s.B(0), s.L(1)}, {s.B(1), s.L(1) + s.Tr + s.L(2)}}};
         }},
        {"L;4", 2,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(1)}, {s.B(1), s.L(1) + s.Tr + s.L(2)}}, s.L(0)}; }},
        {"L;5", 3,
         [](const Sizes &s) {
             return Plan{{{s.B(0) + s.Mu + s.B(1), s.L(1)}, {s.B(0), s.L(2)}, {s.B(1), s.L(2) + s.F + s.L(3)}}, s.L(0)};
         }},
        {"L;6", 2, [](const Sizes &s) { return Plan{{{s.B(0) + s.Mu + s.B(1), s.R(0)}, {s.B(1), s.R(1)}}}; }},
        {"L;1;;;D1", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F}, {s.B(0), s.L(1)}}}; }},
        {"L;1;;;D1;D2", 4,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0)}, {s.B(0), s.L(1)}, {s.B(1), s.R(1)}}}; }},
        {"L;1;;;D2", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0)}, {s.B(1), s.R(1)}}}; }},
        {"L;7", 2,
         [](const Sizes &s) {
             Plan p{{{s.B(0), s.L(0)}, {s.B(2), s.H - 2 * s.F}}};
             p.stepLeft = s.B(1);
             return p;
         }},
        {"M;1", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F}, {s.B(2), s.R(0)}}}; }},
        {"M;2", 4,
         [](const Sizes &s) {
             const int h0 = s.R(0);
             return Plan{{{s.W - 2 * s.F, h0}, {s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F - s.Tr - h0}, {s.B(2), s.R(1)}}};
         }},
        {"M;4", 3,
         [](const Sizes &s) {
             const int ush = s.R(0);
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F - ush}, {s.B(2), s.R(1)}}, ush};
         }},
        {"M;5", 4,
         [](const Sizes &s) {
             const int ush = s.R(0);
             const int h0 = s.R(1);
             return Plan{{{s.W - 2 * s.F, h0}, {s.B(0), s.L(0)}, {s.B(1), s.H - 2 * s.F - s.Tr - h0 - ush}, {s.B(2), s.R(2)}},
                         ush};
         }},
        {"M;6", 2, [](const Sizes &s) { return Plan{{{s.W - 2 * s.F, s.R(0)}, {s.B(1), s.R(1) - s.F}}}; }},
        {"M;7", 3,
         [](const Sizes &s) {
             Plan p{{{s.B(0), s.L(0)}, {s.B(2), s.H - 2 * s.F}, {s.B(4), s.R(0)}}};
             p.stepLeft = s.B(1);
             p.stepRight = s.B(3);
             return p;
         }},
        {"R;1", 2, [](const Sizes &s) { return Plan{{{s.B(0), s.H - 2 * s.F}, {s.B(1), s.R(0)}}}; }},
        {"R;2", 3,
         [](const Sizes &s) {
             const int h0 = s.R(0);
             return Plan{{{s.W - 2 * s.F, h0}, {s.B(0), s.H - 2 * s.F - h0 - s.Tr}, {s.B(1), s.R(1)}}};
         }},
        {"R;4", 2,
         [](const Sizes &s) {
             const int ush = s.R(0);
             return Plan{{{s.B(0), s.H - 2 * s.F - ush}, {s.B(1), s.R(1)}}, ush};
         }},
        {"R;5", 3,
         [](const Sizes &s) {
             return Plan{{{s.W - 2 * s.F, s.R(1)}, {s.B(0), s.R(2) + s.F + s.R(3)}, {s.B(1), s.R(2)}}, s.R(0)};
         }},
        {"R;6", 2, [](const Sizes &s) { return Plan{{{s.W - 2 * s.F, s.R(0)}, {s.B(0), s.R(1)}}}; }},
        {"R;1;;;D1", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0)}, {s.B(0), s.L(1)}}}; }},
        {"R;1;;;D1;D2", 4,
         [](const Sizes &s) { return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0)}, {s.B(0), s.L(1)}, {s.B(1), s.R(1)}}}; }},
        {"R;1;;;D2", 3,
         [](const Sizes &s) { return Plan{{{s.B(0), s.H - 2 * s.F}, {s.B(1), s.R(0)}, {s.B(1), s.R(1)}}}; }},
        {"R;7", 2,
         [](const Sizes &s) {
             Plan p{{{s.B(0), s.H - 2 * s.F}, {s.B(2), s.R(0)}}};
             p.stepRight = s.B(1);
             return p;
         }},
        {"K;;1;D", 2, [](const Sizes &s) { return Plan{{{s.W - 2 * s.F, s.L(0)}, {s.W - 2 * s.F, s.L(1)}}}; }},
        {"K;;1;D;S1;S3", 4,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.L(0)}, {s.B(2), s.L(0)}, {s.W - 2 * s.F, s.L(1)}}};
         }},
        {"K;;1;D;S1;S3;D1;D4", 6,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.L(0) + s.Tr + s.L(1)}, {s.B(2), s.R(0)}, {s.B(0), s.L(1)},
                          {s.B(2), s.R(1)}, {s.W - 2 * s.F, s.R(2)}}};
         }},
        {"K;;1;S;D1;D2;S2", 5,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0)}, {s.B(2), s.R(0)}, {s.B(0), s.L(1)},
                          {s.B(1) + s.Mu + s.B(2), s.R(1)}}};
         }},
        {"K;;1;S;D1;S1;D2;S1", 5,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.L(0)}, {s.B(2), s.R(0)}, {s.B(0) + s.Mu + s.B(1), s.L(1)},
                          {s.B(2), s.R(1)}}};
         }},
        {"K;;1;S;D1;D2;S2;D5", 6,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(1), s.R(0) + s.Tr + s.R(1)}, {s.B(2), s.R(0)}, {s.B(2), s.R(1)},
                          {s.B(0), s.L(1)}, {s.B(1) + s.Mu + s.B(2), s.R(2)}}};
         }},
        {"K;;1;S;D1;D2;S1;D1", 6,
         [](const Sizes &s) {
             return Plan{{{s.B(0), s.L(0)}, {s.B(0), s.L(1)}, {s.B(1), s.L(0) + s.Tr + s.L(1)}, {s.B(2), s.R(0)},
                          {s.B(0) + s.Mu + s.B(1), s.L(2)}, {s.B(2), s.R(1)}}};
         }},
        {ShapeCodes::LooseCode, 1, [](const Sizes &s) { return Plan{{{s.W, s.H}}}; }},
    };
    return table;
}

const CodeRule *ruleOf(const QString &code)
{
    for (const CodeRule &r : rules())
        if (code == QLatin1String(r.code)) return &r;
    return nullptr;
}

// "" when the size can be stored as a clear size.
QString sizeProblem(const char *what, int index, int value)
{
    const QString head = QStringLiteral("Ongeldige dagmaten opgegeven !\r\n\r\n");
    if (value <= 0) return head + QString("De %1 van vak %2 is 0 of kleiner (%3 mm).").arg(what).arg(index + 1).arg(value);
    if (!fitsInt16(value)) return head + QString("De %1 van vak %2 is te groot (%3 mm).").arg(what).arg(index + 1).arg(value);
    return {};
}
}

int compartmentCount(const QString &code)
{
    const CodeRule *r = ruleOf(code);
    return r ? r->count : 0;
}

bool hasCompartmentsForCode(const FrameRecord &mark)
{
    const int n = compartmentCount(mark.ShapeCode);
    return n > 0 && mark.Compartments.size() == n && mark.CompartmentsCode == mark.ShapeCode;
}

QString unknownShapeMessage(const QString &code) { return "Onbekende vorm kozijn: \"" + code + "\" !"; }

CompartmentBuild BuildCompartments(const FrameRecord &mark, const ClearSizeSet &inputs, bool newShapePending)
{
    CompartmentBuild out;
    const CodeRule *rule = ruleOf(mark.ShapeCode);
    if (!rule) {
        out.message = unknownShapeMessage(mark.ShapeCode);
        return out;
    }
    const Sizes sizes{mark.Width, mark.Height, mark.FrameThickness, mark.MullionThickness, mark.TransomThickness, inputs};
    const Plan plan = rule->rule(sizes);
    for (int i = 0; i < plan.compartments.size(); ++i) {
        QString problem = sizeProblem("dagbreedte", i, plan.compartments[i].first);
        if (problem.isEmpty()) problem = sizeProblem("daghoogte", i, plan.compartments[i].second);
        if (!problem.isEmpty()) {
            out.message = problem;
            return out;
        }
    }

    FrameRecord &m = out.mark;
    m = mark;
    // A list built for another code is never written into: it is made anew, as for a new shape.
    out.fresh = newShapePending || !hasCompartmentsForCode(m);
    if (out.fresh) {
        m.UpperSectionHeight = 0;
        m.Compartments = QList<CompartmentRecord>(rule->count);
        m.CompartmentsCode = m.ShapeCode;
    }
    m.StepWidthLeft = int16(plan.stepLeft);
    m.StepWidthRight = int16(plan.stepRight);
    if (plan.upperSection >= 0) m.UpperSectionHeight = int16(plan.upperSection);
    for (int i = 0; i < rule->count; ++i) {
        m.Compartments[i].ClearWidth = int16(plan.compartments[i].first);
        m.Compartments[i].ClearHeight = int16(plan.compartments[i].second);
    }
    out.ok = true;
    return out;
}
