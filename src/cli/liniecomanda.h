#pragma once

// The command line: the options of a start with a window and the commands
// that need none (a project's program written out, a program read back into
// a project), for scripts that check many designs at once.

class QCommandLineParser;

namespace LinieComanda {

// The project to open, the commands, -o, help and version; Qt's own window
// options too, hidden, so that a start with a window may still pass them.
void configureaza(QCommandLineParser &linie);

// After parse(): true when the arguments ask for no window (a command, help,
// version, or a mistake to report), so that no display is needed.
bool faraFereastra(const QCommandLineParser &linie, bool analizat);

// The work without a window, once a QCoreApplication exists. Returns the exit
// status: 0 done, 1 a refused or unreadable input or a failed write, 2 a
// wrong command line. Errors go to stderr, what an import lost to stdout.
int ruleaza(const QCommandLineParser &linie, bool analizat);

} // namespace LinieComanda
