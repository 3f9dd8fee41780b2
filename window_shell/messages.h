#pragma once

#include <QString>

// The log messages of both programs' handlers, each written after a log line's time stamp and
// starting with " - ". `title` is the program's document title, `path` the file chosen.
namespace window_shell::messages {

QString NewSucceeded(const QString& title);
QString NewFailed(const QString& title);
QString OpenSucceeded(const QString& title);
QString OpenFailed(const QString& title);
QString SaveSucceeded(const QString& path);
QString SaveFailed();

// What every log line of an action done under the service layout ends with, after the message.
QString ServiceLayoutMark();
// Why an Open under the service layout refused a file: its elements are in the specified layout.
QString FileInSpecifiedLayout();

}  // namespace window_shell::messages
