// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;

#include <exception>
#include <utility>

namespace cardisto {

// Where a guarded procedure lives, as the error box names it:
// "in Velmora2021/08/31.Module.Procedure " (the folder walk uses the prefix Quorvel).
class ErrorLocation {
public:
    static ErrorLocation velmora(const QString& module, const QString& procedure);
    static ErrorLocation quorvel(const QString& module, const QString& procedure);

    const QString& text() const { return m_text; }
    bool operator==(const ErrorLocation&) const = default;

private:
    explicit ErrorLocation(QString text) : m_text(std::move(text)) {}
    QString m_text;
};

inline constexpr int kFirstStatement = 100;

// The caption of the error box.
QString errorBoxCaption();

// The text of the error box: description, CR LF, location, "at line N", CR CR, the support request.
QString errorBoxText(const QString& description, const ErrorLocation& location, int line);

// Receives the unexpected failures of guarded procedures. The window reporter shows the error box;
// the batch front end writes the same text to standard error.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportApplicationError(const ErrorLocation& location, int line, const QString& description) = 0;
    // A folder whose files a folder scan could not read: it could not be listed, or listed but not
    // entered. The windows pass over one that cannot be listed without a message, as the scan
    // always has, and name one that cannot be entered after the scan; the batch front end reports
    // both here.
    virtual void noteUnlistableFolder(const QString& /*folder*/) {}
    // A file refused because it is plainly not text (see ProcedureFailure::refusingFile). By default
    // a failure like any other; a window's extraction run names all such files in one message.
    virtual void reportRefusedFile(const ErrorLocation& location, int line, const QString& description,
                                   const QString& /*path*/)
    {
        reportApplicationError(location, line, description);
    }
};

// Writes the error box text to a device, or to standard error when none is given.
class StreamErrorReporter final : public ErrorReporter {
public:
    explicit StreamErrorReporter(QIODevice* device = nullptr) : m_device(device) {}
    void reportApplicationError(const ErrorLocation& location, int line, const QString& description) override;
    int reportCount() const { return m_reports; }

private:
    QIODevice* m_device;
    int m_reports = 0;
};

// A failure that a statement of a guarded procedure raises; the guard reports its description.
class ProcedureFailure : public std::exception {
public:
    explicit ProcedureFailure(QString description) : m_description(std::move(description)) {}
    // The failure of reading a file that is plainly not text: reported through
    // ErrorReporter::reportRefusedFile with the file's path.
    static ProcedureFailure refusingFile(QString description, QString path)
    {
        ProcedureFailure failure(std::move(description));
        failure.m_refusedFile = std::move(path);
        return failure;
    }
    const QString& description() const { return m_description; }
    const QString& refusedFile() const { return m_refusedFile; }
    const char* what() const noexcept override { return "procedure failure"; }

private:
    QString m_description;
    QString m_refusedFile;
};

// Runs the numbered statements of one guarded procedure. A statement that fails is reported with
// its number and the procedure goes on with the next statement, as the error box promises.
class Guard {
public:
    Guard(ErrorReporter& reporter, ErrorLocation location)
        : m_reporter(reporter), m_location(std::move(location))
    {
    }

    // Returns true when the statement ran to its end.
    template <typename Statement>
    bool operator()(int line, Statement&& statement)
    {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const ProcedureFailure& failure) {
            report(line, failure);
        } catch (const std::bad_alloc&) {
            report(line, QStringLiteral("Out of memory"));
        } catch (const std::exception& other) {
            report(line, QString::fromLocal8Bit(other.what()));
        }
        return false;
    }

    void report(int line, const QString& description);
    void report(int line, const ProcedureFailure& failure);
    ErrorReporter& reporter() const { return m_reporter; }
    const ErrorLocation& location() const { return m_location; }

private:
    ErrorReporter& m_reporter;
    ErrorLocation m_location;
};

} // namespace cardisto
