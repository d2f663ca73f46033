#pragma once
// Text files of the program folder: Windows-1252 bytes, lines ended by CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Windows-1252 conversion. A character the code page cannot hold is written as "?".
QByteArray toCp1252(const QString &text);
QString fromCp1252(const QByteArray &bytes);
// One character of each; encodeCp1252 gives '?' for a character the code page cannot hold.
char encodeCp1252(char16_t c);
QChar decodeCp1252(unsigned char b);

// The path of `name` in `dir` (default: the current folder), found case-insensitively;
// `name` may hold one folder level ("Vormen/LMM.bmp"). "" when nothing matches.
QString findFile(const QString &name, const QString &dir = QString());
bool fileExists(const QString &name, const QString &dir = QString());
bool folderExists(const QString &name, const QString &dir = QString());

// The lines of a text file; CR LF, LF and CR all end a line, a final line end adds no empty line.
// nullopt when the file is missing, cannot be read, is no regular file or is too large (RegularFile.h);
// then `error`, where given, holds the reason.
std::optional<QStringList> readTextLines(const QString &path, QString *error = nullptr);

// Writes the lines, each followed by CR LF. The bytes go to a temporary file next to the target,
// which is synced to disk and then renamed over it: on any failure the old file stays whole and the
// temporary file is removed. An existing file that this user may not write, or that is read-only for
// everyone (even when the user is root), is refused as permission denied. On failure returns false
// and, where given, fills `error` with a short Dutch reason and the system's own text as a detail
// (see writeFailureText).
bool writeTextLines(const QString &path, const QStringList &lines, QString *error = nullptr);
// The temporary file is named after the target with six characters added, or, with a
// `temporaryPrefix`, that prefix and six characters in the target's folder (a program that cleans
// up after itself finds its own that way).
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr, const QString &temporaryPrefix = {});

// The reason a write failed with the system error `code`, for a message box: "De schijf is vol.",
// "U heeft geen toestemming om hier te schrijven.", "De map bestaat niet (meer)." or "Het bestand
// kan niet worden geschreven.", then the system's text in brackets on a line of its own.
QString writeFailureText(int code);

// For tests: the next writes fail at this step with this error code, as a failing disk would
// (an EIO from the device, an ENOSPC found only at the sync). A write step with code 0 writes
// nothing and reports no error: the call returns 0 with errno 0. WriteStep::None lifts it.
enum class WriteStep { None, Write, Sync };
void failWriteStep(WriteStep step, int code = 0);
