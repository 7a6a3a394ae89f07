#pragma once
// The Portuguese sentences that tell the user which data file could not be read, saved or deleted,
// and why. Every reader and writer of the program words its failures through these, so the user
// always sees the same shape: what failed, the full path of the file, and a short reason.
#include <QFileDevice>
#include <QString>

namespace belvane {

// "Não foi possível ler o arquivo "<native path>": <reason>."
QString readFailureMessage(const QString& path, const QString& reason);
// "Não foi possível salvar o arquivo "<native path>": <reason>."
QString saveFailureMessage(const QString& path, const QString& reason);
// "Não foi possível excluir o arquivo "<native path>": <reason>."
QString removeFailureMessage(const QString& path, const QString& reason);

// Turns a failure reported by a file device into a short Portuguese reason: a missing folder, a
// denied access, a full disk or a read-only file are named in Portuguese; anything rarer keeps the
// system's own text.
QString failureReason(const QString& path, QFileDevice::FileError error, const QString& systemText);

// True when the system text is the one the system gives for a file that does not exist.
bool isMissingFileText(const QString& systemText);

} // namespace belvane
