#pragma once

#include <QString>

class Database;
struct Contesto;

namespace Help {
// The topics of one window key, or of every key when it is blank: each title in capitals on its
// own line above its text, topics parted by a blank line.
QString TestoArgomenti(Database& db, const QString& vNomeForm);
// Shows the help window for the key and waits for it to close. A failure while reading the
// topics reaches the caller.
void MostraHelp(Contesto& contesto, const QString& vNomeForm);
}  // namespace Help
