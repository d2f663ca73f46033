#include "RecordingWindowOpener.h"

#include "Form.h"

RecordingWindowOpener::RecordingWindowOpener() : previous_(setWindowOpener(this)) {}

RecordingWindowOpener::~RecordingWindowOpener() { setWindowOpener(previous_); }

Form *RecordingWindowOpener::open(WindowKind kind, Form *from, const WindowNeeds &needs)
{
    opened.append({kind, from, needs});
    return onOpen ? onOpen(kind, from) : nullptr;
}

void RecordingWindowOpener::showHelp(HelpTopic topic, Form *from) { help.append({topic, from}); }

QList<Form *> RecordingWindowOpener::openedFrom(WindowKind kind) const
{
    QList<Form *> out;
    for (const Request &r : opened)
        if (r.kind == kind) out.append(r.from);
    return out;
}

QList<HelpTopic> RecordingWindowOpener::helpTopics() const
{
    QList<HelpTopic> out;
    for (const HelpRequest &r : help) out.append(r.topic);
    return out;
}

void RecordingWindowOpener::clear()
{
    opened.clear();
    help.clear();
}
