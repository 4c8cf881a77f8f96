#include "cli/Batch.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <utility>
#include <variant>

#include "cli/Check.h"
#include "markup/Entities.h"
#include "markup/FindReplace.h"
#include "markup/TagCaseConversion.h"
#include "markup/Text.h"
#include "storage/DocumentFile.h"
#include "storage/FileNames.h"

namespace cli {
namespace {

using Kind = BatchOperation::Kind;

// The operations as the command line names them, with what --help says.
struct OperationOption {
    const char* option;
    Kind kind;
    const char* help;
};
constexpr OperationOption kOperations[] = {
    {"--tags-upper", Kind::TagsUpper, "Tools > Convert All Tags To > Upper Case"},
    {"--tags-lower", Kind::TagsLower, "Tools > Convert All Tags To > Lower Case"},
    {"--remove-tags", Kind::RemoveTags, "Tools > Remove All Tags"},
    {"--to-entities", Kind::ToEntities, "Special Characters to HTML"},
    {"--from-entities", Kind::FromEntities, "HTML to Special Characters"},
};
constexpr std::string_view kBatch = "--batch";
constexpr std::string_view kReplace = "--replace";
constexpr std::string_view kDryRun = "--dry-run";
constexpr std::string_view kOutput = "--output";
constexpr std::string_view kArrow = "=>";

struct Request {
    std::vector<BatchOperation> operations;
    QStringList files;
    bool dryRun = false;
    QString outputFolder;
};

std::int64_t countOf(std::string_view text, char c)
{
    return std::count(text.begin(), text.end(), c);
}

// The command line after "--batch", or what is wrong with it.
std::variant<Request, QString> parse(int argc, char** argv)
{
    Request request;
    bool filesOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (filesOnly || word == "-" || !word.starts_with('-')) {
            request.files << QFile::decodeName(argv[i]);
            continue;
        }
        if (word == "--") {
            filesOnly = true;
        } else if (word == kDryRun) {
            request.dryRun = true;
        } else if (word == kOutput || word.starts_with("--output=")) {
            if (word == kOutput && ++i == argc) return QStringLiteral("--output needs a folder");
            request.outputFolder =
                word == kOutput ? QFile::decodeName(argv[i]) : QFile::decodeName(argv[i] + kOutput.size() + 1);
            if (!QFileInfo(request.outputFolder).isDir() || !storage::namesItsFileExactly(request.outputFolder))
                return QStringLiteral("--output: \"%1\" is not a folder").arg(request.outputFolder);
        } else if (word == kReplace || word.starts_with("--replace=")) {
            if (word == kReplace && ++i == argc) return QStringLiteral("--replace needs FIND=>REPLACEMENT");
            const std::string_view rule =
                word == kReplace ? std::string_view(argv[i]) : word.substr(kReplace.size() + 1);
            const size_t arrow = rule.find(kArrow);
            if (arrow == std::string_view::npos || arrow == 0)
                return QStringLiteral("--replace needs FIND=>REPLACEMENT with a FIND that is not empty");
            request.operations.push_back(
                {Kind::Replace, std::string(rule.substr(0, arrow)), std::string(rule.substr(arrow + kArrow.size()))});
        } else {
            const auto* known = std::ranges::find_if(kOperations, [&](const auto& o) { return word == o.option; });
            if (known == std::end(kOperations)) return QStringLiteral("unknown option %1").arg(QString::fromUtf8(word));
            request.operations.push_back({known->kind, {}, {}});
        }
    }
    if (request.operations.empty()) return QStringLiteral("no operation given");
    if (request.files.isEmpty()) return QStringLiteral("no file given");
    return request;
}

void put(FILE* stream, const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

bool readAll(FILE* stream, std::string* out)
{
    char buffer[1 << 16];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0) out->append(buffer, n);
    return !std::ferror(stream);
}

bool writeAll(FILE* stream, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
}

QString changesText(std::int64_t changes)
{
    return changes == 1 ? QStringLiteral("1 change") : QStringLiteral("%1 changes").arg(changes);
}

// One file of the run: read, converted, written (or not); its summary line.
enum class Outcome { Changed, Unchanged, Failed };
struct FileReport {
    Outcome outcome = Outcome::Failed;
    QString line;
};

// Where --output writes the copy of `file`.
QString copyTarget(const Request& request, const QString& file)
{
    return QDir(request.outputFolder).filePath(QFileInfo(file).fileName());
}

// The first copy that would be written over one of the files to be read (the
// same file by device and inode, so that "." or another name, a link or a hard
// link for the folder or the file is no way around it), or empty.
QString copyOverAnInput(const Request& request)
{
    const auto identity = [](const QString& path) -> std::optional<std::pair<dev_t, ino_t>> {
        struct stat st {};
        if (path == QLatin1String("-") || ::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
        return std::pair(st.st_dev, st.st_ino);
    };
    std::set<std::pair<dev_t, ino_t>> inputs;
    for (const QString& file : request.files)
        if (const auto id = identity(file)) inputs.insert(*id);
    for (const QString& file : request.files) {
        if (file == QLatin1String("-")) continue;
        const QString target = copyTarget(request, file);
        if (const auto id = identity(target); id && inputs.contains(*id)) return target;
    }
    return {};
}

FileReport runOnFile(const QString& file, const Request& request, QSet<QString>& written)
{
    const bool standard = file == QLatin1String("-");
    const QString name = standard ? QStringLiteral("standard input") : file;
    const auto failed = [&](const QString& reason) {
        return FileReport{Outcome::Failed, name + ": failed: " + reason};
    };

    storage::LoadedDocument doc;
    QString error;
    if (standard) {
        std::string bytes;
        if (!readAll(stdin, &bytes)) return failed(qt_error_string(errno));
        doc = storage::decodeDocument(bytes);
        if (!doc.refused.isEmpty()) return failed(doc.refused);
    } else if (!storage::namesItsFileExactly(file)) {
        return failed(qt_error_string(ENOENT) + QStringLiteral(" (the name is not valid UTF-8)"));
    } else if (!storage::loadDocumentFile(file, &doc, &error)) {
        return failed(error);
    }
    const BatchResult result = runBatchOperations(doc.text, request.operations);
    const bool changed = result.text != doc.text;
    QString line = name + ": " + (changed ? changesText(result.changes) : QStringLiteral("unchanged"));
    if (result.brokenTag) line += QStringLiteral(" (An error occurred, possibly due to a broken tag.)");

    if (request.dryRun) {
        if (changed) line += QStringLiteral(", not written (dry run)");
    } else if (standard) {
        // The document itself goes out whatever became of it.
        if (const auto bad = storage::firstUnencodable(result.text, doc.format))
            return failed(QStringLiteral("%1 has no code for the character %2 on line %3")
                              .arg(storage::encodingName(doc.format), storage::describeCharacter(bad->codePoint),
                                   QString::number(bad->line)));
        if (!writeAll(stdout, storage::encodeDocument(result.text, doc.format))) return failed(qt_error_string(errno));
    } else if (!request.outputFolder.isEmpty()) {
        // Copies: every file is written, changed or not, under its own name.
        const QString target = copyTarget(request, file);
        const QString key = QFileInfo(target).absoluteFilePath();
        if (written.contains(key))
            return failed(QStringLiteral("another file of this run was written to %1").arg(target));
        if (!storage::saveDocumentFile(target, result.text, doc.format, &error)) return failed(error);
        written.insert(key);
        line += QStringLiteral(", written to ") + target;
    } else if (changed && !storage::saveDocumentFile(file, result.text, doc.format, &error)) {
        return failed(error);
    }
    return {changed ? Outcome::Changed : Outcome::Unchanged, line};
}

// Whether the files may be done at once on every core: each is read and
// written by itself. Not so for standard input, for copies (two files may
// name one copy, and the first one written keeps it) or for a file named
// twice (the second run converts the first run's result).
bool mayRunTogether(const Request& request)
{
    if (!request.outputFolder.isEmpty() || request.files.contains(QStringLiteral("-"))) return false;
    QSet<QString> seen;
    for (const QString& file : request.files) {
        const QString canonical = QFileInfo(file).canonicalFilePath();
        if (canonical.isEmpty()) continue;  // missing: fails alone
        if (seen.contains(canonical)) return false;
        seen.insert(canonical);
    }
    return true;
}

}  // namespace

BatchResult runBatchOperations(std::string_view text, const std::vector<BatchOperation>& operations)
{
    BatchResult result{std::string(text), 0, false};
    for (const BatchOperation& operation : operations) {
        std::string& before = result.text;
        switch (operation.kind) {
            case Kind::TagsUpper:
            case Kind::TagsLower: {
                markup::TagPassResult pass = markup::convertTagCase(before, operation.kind == Kind::TagsUpper);
                // The pass keeps every byte in place: a tag changed where its bytes differ.
                markup::forEachTag(before, [&](size_t l, size_t g) {
                    if (before.compare(l, g - l + 1, pass.text, l, g - l + 1) != 0) ++result.changes;
                });
                result.brokenTag = result.brokenTag || pass.brokenTag;
                before = std::move(pass.text);
                break;
            }
            case Kind::RemoveTags: {
                markup::TagPassResult pass = markup::RemoveTags(before);
                markup::forEachTag(before, [&](size_t, size_t) { ++result.changes; });
                result.brokenTag = result.brokenTag || pass.brokenTag;
                before = std::move(pass.text);
                break;
            }
            case Kind::ToEntities:
            case Kind::FromEntities: {
                // Each conversion adds or takes away exactly one "&".
                std::string after =
                    operation.kind == Kind::ToEntities ? markup::SpecialToHtml(before) : markup::HtmlToSpecial(before);
                result.changes += std::abs(countOf(after, '&') - countOf(before, '&'));
                before = std::move(after);
                break;
            }
            case Kind::Replace: {
                markup::ReplaceAllEdit edit = markup::replaceAllMatches(before, operation.find, operation.replacement);
                result.changes += edit.count;
                // A replacement of the whole text is the new text itself.
                const bool whole = edit.start == 0 && edit.end == static_cast<markup::Pos>(before.size());
                if (edit.count > 0) before = whole ? std::move(edit.replacement) : edit.applyTo(before);
                break;
            }
        }
    }
    return result;
}

bool isBatchCommandLine(int argc, char** argv)
{
    return argc > 1 && std::string_view(argv[1]) == kBatch;
}

QStringList batchOptions()
{
    QStringList options{QString::fromLatin1(kBatch)};
    for (const OperationOption& o : kOperations) options << QString::fromLatin1(o.option);
    for (std::string_view o : {kReplace, kDryRun, kOutput}) options << QString::fromLatin1(o);
    return options;
}

QString batchUsage()
{
    const auto row = [](const char* option, const char* help) {
        return QStringLiteral("  %1 %2\n")
            .arg(QString::fromLatin1(option).leftJustified(28), QString::fromLatin1(help));
    };
    QString usage = QStringLiteral(
        "Batch mode: tagsmith --batch OPERATION... [--dry-run] [--output DIR] FILE...\n"
        "  Runs the text tools on each FILE without a window, in the order given: a\n"
        "  file comes out as the menu command leaves it, in its own encoding and line\n"
        "  breaks. \"-\" reads standard input and writes standard output. Prints a line\n"
        "  per file, then \"N files changed, M unchanged, K failed\"; the exit status is\n"
        "  0 when no file failed, 1 when one did, 2 for a command line it cannot run.\n"
        "  Files are done at once on every core, each written by the safe save.\n");
    for (const OperationOption& o : kOperations) usage += row(o.option, o.help);
    usage += row("--replace=FIND=>REPLACEMENT", "Replace All (FIND ignoring case)");
    usage += row("--dry-run", "says what would change, writes nothing");
    usage += row("--output DIR", "writes copies into DIR, not over the files");
    return usage;
}

int runBatch(int argc, char** argv)
{
    for (int i = 2; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            put(stdout, batchUsage());
            return 0;
        }
    }
    const auto parsed = parse(argc, argv);
    if (const QString* problem = std::get_if<QString>(&parsed)) {
        put(stderr, QStringLiteral("tagsmith --batch: ") + *problem + QStringLiteral("\n\n") + batchUsage());
        return 2;
    }
    const Request& request = std::get<Request>(parsed);
    if (!request.outputFolder.isEmpty()) {
        if (const QString input = copyOverAnInput(request); !input.isEmpty()) {
            put(stderr, QStringLiteral("tagsmith --batch: --output would write over %1, a file to be read; "
                                       "nothing was written")
                            .arg(input));
            return 2;
        }
    }
    // The document goes to standard output when one is read from standard
    // input: the report then goes to standard error.
    FILE* report = request.files.contains(QStringLiteral("-")) ? stderr : stdout;
    QSet<QString> written;
    int counts[3] = {0, 0, 0};
    const auto reportOn = [&](const FileReport& done) {
        ++counts[static_cast<int>(done.outcome)];
        put(report, done.line);
    };
    if (mayRunTogether(request)) {
        std::vector<FileReport> done(static_cast<size_t>(request.files.size()));
        onEveryCore(static_cast<int>(request.files.size()), [&](int i) {
            QSet<QString> none;  // no copies in this mode
            done[static_cast<size_t>(i)] = runOnFile(request.files[i], request, none);
        });
        for (const FileReport& one : done) reportOn(one);
    } else {
        for (const QString& file : request.files) reportOn(runOnFile(file, request, written));
    }
    put(report,
        QStringLiteral("%1 files changed, %2 unchanged, %3 failed").arg(counts[0]).arg(counts[1]).arg(counts[2]));
    std::fflush(report);
    return counts[2] == 0 ? 0 : 1;
}

}  // namespace cli
