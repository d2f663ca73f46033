#include "FormLevelStack.h"

namespace {
FormLevelStack *installed = nullptr;
}

FormLevelStack *formLevelStack() { return installed; }

FormLevelStack *setFormLevelStack(FormLevelStack *stack)
{
    FormLevelStack *previous = installed;
    installed = stack;
    return previous;
}

double readFormLevel(const QString &tag)
{
    qsizetype i = 0;
    while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\t')) ++i;
    const qsizetype start = i;
    if (i < tag.size() && (tag[i] == '+' || tag[i] == '-')) ++i;
    bool digits = false;
    while (i < tag.size() && tag[i].isDigit() && tag[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < tag.size() && tag[i] == '.') {
        ++i;
        while (i < tag.size() && tag[i].isDigit() && tag[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return 0;
    bool ok = false;
    const double v = tag.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0;
}

void RegisterFormLevel(FormLevelStack &stack, LevelWindow &frm) { frm.setLevelTag(QString::number(stack.takeLevel())); }

void CloseFormsAbove(const LevelWindow &frm, const LoadedWindows &loaded)
{
    const double own = readFormLevel(frm.levelTag());
    // The walk keeps its own copy: unloads may load, unload or activate other windows meanwhile.
    const QList<LevelWindow *> walk = loaded();
    for (qsizetype pos = walk.size() - 1; pos >= 0; --pos) {
        LevelWindow *w = walk[pos];
        if (w == &frm || !loaded().contains(w)) continue;
        if (own < readFormLevel(w->levelTag())) w->unloadWindow();
    }
}
