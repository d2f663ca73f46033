#include "ClearSizeEntry.h"

#include "ClearSizeLayout.h"
#include "Compartments.h"
#include "ShapeCodes.h"
#include "model/ClearSizes.h"

bool settleShapeFlags(ProjectState &state)
{
    if (state.ShapeChanged) {
        state.ShapeChanged = false;
        state.NewShapePending = true;
        return false;
    }
    const FrameRecord *mark = state.currentMark();
    state.NewShapePending = !(mark && hasCompartmentsForCode(*mark));
    return !state.NewShapePending;
}

ClearSizeSet storedClearSizes(const ProjectState &state, const FrameRecord &mark)
{
    return mark.ClearSizes ? *mark.ClearSizes : projectClearSizes(state);
}

void applyShapeLayout(ProjectState &state)
{
    state.ClearSizeMax = {};
    FrameRecord *mark = state.currentMark();
    if (!mark) return;
    if (state.NewShapePending) mark->UpperSectionHeight = 0;
    const ClearSizeLayout::ShapeLayout *layout = ClearSizeLayout::find(mark->ShapeCode);
    if (!layout) return;
    if (state.NewShapePending && layout->upperSectionWhenNew) mark->UpperSectionHeight = 1;
    state.ClearSizeMax = ClearSizeLayout::maxima(*mark);
}

int rowMaximum(const QString &code, int row, const std::array<int16, 4> &clearSizeMax, const ClearSizeSet &inputs)
{
    if (row < 0 || row >= ClearSizeLayout::RowCount) return 0;
    int maximum = clearSizeMax[row];
    const ClearSizeLayout::ShapeLayout *layout = ClearSizeLayout::find(code);
    if (row != ClearSizeLayout::RowL || !layout) return maximum;
    for (int i : layout->rowLLessRight) maximum -= inputs.Right[i];
    return maximum;
}

bool inputsCanHold(const QString &code, const ClearSizeSet &sizes)
{
    const ClearSizeLayout::ShapeLayout *layout = ClearSizeLayout::find(code);
    if (!layout) return true;
    for (int r = 0; r < ClearSizeLayout::RowCount; ++r)
        for (int i = 0; i < layout->shown(r); ++i)
            if (sizes.row(r)[i] < 0 || sizes.row(r)[i] > ClearSizeInputMax) return false;
    return true;
}

QString clearSizesBeyondInputsMessage()
{
    return QStringLiteral("De dagmaten van dit kozijn passen niet in de invoervelden (hoogstens %1 mm per dagmaat)."
                          "\r\n\r\nHet kozijn wordt hier niet ingedeeld; de maten blijven zoals ze zijn.")
        .arg(ClearSizeInputMax);
}

ClearSizeSet clearSizesOfInputs(const ClearSizeSet &setByProgram, const ClearSizeSet &shown)
{
    ClearSizeSet sizes;
    for (int r = 0; r < ClearSizeSet::RowCount; ++r) {
        std::span<int16> row = sizes.row(r);
        const std::span<const int16> set = setByProgram.row(r), now = shown.row(r);
        for (int i = 0; i < int(row.size()); ++i) {
            // Shown rows never hold such a size: a mark that has one is not laid out.
            const bool unchanged = set[i] != now[i] && now[i] == qBound(0, int(set[i]), ClearSizeInputMax);
            row[i] = unchanged ? set[i] : now[i];
        }
    }
    return sizes;
}

bool checkShapeRows(const ProjectState &state, ClearSizeSet &inputs, QString &refusal)
{
    const FrameRecord *mark = state.currentMark();
    const ClearSizeLayout::ShapeLayout *layout = mark ? ClearSizeLayout::find(mark->ShapeCode) : nullptr;
    if (!layout) return false;
    for (int r = ClearSizeLayout::RowCount - 1; r >= 0; --r) {
        const int n = layout->shown(r);
        if (n == 0) continue;
        std::span<int16> row = inputs.row(r);
        QList<int> values(row.begin(), row.begin() + n);
        if (!checkClearSizeRow(values, rowMaximum(mark->ShapeCode, r, state.ClearSizeMax, inputs), refusal)) return false;
        for (int i = 0; i < n; ++i) row[i] = int16(values[i]); // a completed value lies within the maximum
    }
    return true;
}

bool acceptClearSizes(ProjectState &state, ClearSizeSet &inputs, QString &refusal)
{
    FrameRecord *mark = state.currentMark();
    if (!mark) return false;
    if (!ClearSizeLayout::find(mark->ShapeCode)) {
        refusal = unknownShapeMessage(mark->ShapeCode);
        return false;
    }
    const ClearSizeSet given = inputs;
    if (!checkShapeRows(state, inputs, refusal)) return false;
    if (!inputsCanHold(mark->ShapeCode, inputs)) {
        inputs = given;
        refusal = clearSizesBeyondInputsMessage();
        return false;
    }
    const CompartmentBuild build = BuildCompartments(*mark, inputs, state.NewShapePending);
    if (!build.ok) {
        refusal = build.message;
        return false;
    }
    *mark = build.mark;
    mark->ClearSizes = inputs;
    setProjectClearSizes(state, inputs);
    // The drawing window starts from its own defaults for compartments made anew.
    if (build.fresh) state.NewShapePending = true;
    return true;
}

int variantBasicShape(const FrameRecord &mark, int pressedButton)
{
    return mark.ShapeCode.isEmpty() ? pressedButton : ShapeCodes::basicShapeOf(mark.ShapeCode);
}

bool chooseVariant(ProjectState &state, int k, int i)
{
    FrameRecord *mark = state.currentMark();
    const QString code = ShapeCodes::variantCode(k, i);
    if (!mark || code.isEmpty()) return false;
    if (code != mark->ShapeCode) state.NewShapePending = true;
    mark->ShapeCode = code;
    return true;
}
