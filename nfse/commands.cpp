#include "nfse/commands.h"

#include <CLI/CLI.hpp>

#include <optional>

#include "binding/binding.h"
#include "nfse/envelope.h"
#include "nfse/io.h"
#include "nfse/messages.h"
#include "nfse/output.h"
#include "nfse/progress.h"

namespace nfse {

namespace {

using binding::Layout;

constexpr const char* kInputsAndStatuses =
    "Each FILE, IN and ENVELOPE may be a document or a SOAP envelope carrying one; \"-\" reads\n"
    "standard input. Exit status: 0 when every file succeeded, 1 when any failed (each failure\n"
    "is one line on standard error), 2 on a usage error.";

constexpr const char* kCommands =
    "Commands:\n"
    "  nfse list [--layout specified|service|auto] [--format text|json] FILE...\n"
    "  nfse convert --to specified|service IN OUT\n"
    "  nfse unwrap ENVELOPE OUT\n"
    "Run \"nfse COMMAND --help\" for a command's options.\n\n";

Listed ListOne(const std::string& file, std::optional<Layout> layout, std::istream& in) {
  Listed listed{file, std::nullopt, std::nullopt, {}, std::nullopt};
  try {
    const Message message = OpenMessage(ReadInput(file, in), layout);
    listed.document = std::string(RootName(message.document));
    listed.layout = message.layout;
    listings::Listing listing = List(message);
    listed.values = std::move(listing.values);
    if (listing.failure) {
      const std::size_t n = listed.values.size();
      listed.error = "the listing stopped after " + std::to_string(n) +
                     (n == 1 ? " value: " : " values: ") + Reason(*listing.failure, file);
    }
  } catch (const std::exception& e) {
    listed.error = Reason(e.what(), file);
  }
  return listed;
}

// Output that could not be written (a full disk, a closed stream) fails the run.
int Finished(bool failed, const Streams& streams) {
  streams.out.flush();
  if (!streams.out) {
    streams.err << "nfse: the output could not be written\n";
    return kFailed;
  }
  return failed ? kFailed : kSucceeded;
}

int ListFiles(const std::vector<std::string>& files, std::optional<Layout> layout, Format format,
              const Streams& streams) {
  Progress progress(streams.err, streams.out, files.size(), streams.errIsTerminal,
                    streams.outIsTerminal);
  ListingWriter writer(streams.out, format);
  bool failed = false;
  for (const std::string& file : files) {
    const Listed listed = ListOne(file, layout, streams.in);
    progress.BeforeOutput();
    writer.Write(listed);
    if (listed.error) {
      failed = true;
      streams.out.flush();
      progress.BeforeError();
      streams.err << FailureLine(file, *listed.error) << '\n';
    }
    progress.Advance();
  }
  writer.Finish();
  return Finished(failed, streams);
}

// Runs `make` for the bytes to write and writes them to `output`; a failure is told on one line
// naming the input, or the output when writing failed.
template <class Make>
int WriteFrom(const std::string& input, const std::string& output, const Streams& streams,
              Make&& make) {
  std::string bytes;
  try {
    bytes = make(ReadInput(input, streams.in));
  } catch (const std::exception& e) {
    streams.err << FailureLine(input, Reason(e.what(), input)) << '\n';
    return kFailed;
  }
  try {
    WriteOutput(output, bytes, streams.out);
  } catch (const std::exception& e) {
    streams.err << FailureLine(output, Reason(e.what(), output)) << '\n';
    return kFailed;
  }
  return Finished(false, streams);
}

int ConvertFile(const std::string& input, const std::string& output, Layout target,
                const Streams& streams) {
  return WriteFrom(input, output, streams, [&](const std::string& bytes) {
    return ConvertedBytes(OpenMessage(bytes, std::nullopt), target);
  });
}

int UnwrapFile(const std::string& input, const std::string& output, const Streams& streams) {
  return WriteFrom(input, output, streams, [&](const std::string& bytes) {
    const auto envelope = binding::ParseDocument(bytes, Layout::Service);
    const auto root = envelope->DocumentElement();
    if (!IsEnvelope(*root)) {
      throw Failure("not a SOAP envelope: its root element is \"" + root->LocalName() +
                    "\" in the namespace \"" + root->NamespaceURI() + "\"");
    }
    return CarriedMessage(*envelope);
  });
}

std::optional<Layout> LayoutChoice(const std::string& name) {
  return name == "auto" ? std::nullopt : binding::LayoutNamed(name);
}

}  // namespace

int Run(const std::vector<std::string>& args, const Streams& streams) {
  CLI::App app(
      "Lists, converts and unwraps the XML messages of the NFS-e cancellation and "
      "query services: CancelarNfseEnvio, CancelarNfseResposta, ConsultarNfseRpsEnvio "
      "and ConsultarNfseRpsResposta.",
      "nfse");
  app.require_subcommand(1);
  app.footer(std::string(kCommands) + kInputsAndStatuses);

  CLI::App* list = app.add_subcommand(
      "list", "Lists each file's values, one a line: its path below the root, a tab, its value");
  std::string layoutName = "auto";
  list->add_option("--layout", layoutName,
                   "The layout the files are read in; auto: the one their elements are in "
                   "(specified when nothing tells)")
      ->check(CLI::IsMember({"specified", "service", "auto"}))
      ->capture_default_str();
  std::string formatName = "text";
  list->add_option("--format", formatName,
                   "text: path, tab, value; json: an array of one object per file")
      ->check(CLI::IsMember({"text", "json"}))
      ->capture_default_str();
  std::vector<std::string> files;
  list->add_option("FILE", files, "The files to list, in order")->required();

  CLI::App* convert = app.add_subcommand(
      "convert", "Writes a document in the other namespace layout: the same values, in order");
  std::string targetName;
  convert->add_option("--to", targetName, "The layout to write")
      ->check(CLI::IsMember({"specified", "service"}))
      ->required();
  std::string convertIn;
  std::string convertOut;
  convert->add_option("IN", convertIn, "The document to convert")->required();
  convert->add_option("OUT", convertOut, "The file to write (\"-\": standard output)")->required();

  CLI::App* unwrap =
      app.add_subcommand("unwrap", "Writes the message a SOAP envelope carries as a document");
  std::string unwrapIn;
  std::string unwrapOut;
  unwrap->add_option("ENVELOPE", unwrapIn, "The SOAP 1.1 or 1.2 envelope")->required();
  unwrap->add_option("OUT", unwrapOut, "The file to write (\"-\": standard output)")->required();

  for (CLI::App* command : {list, convert, unwrap}) command->footer(kInputsAndStatuses);

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, streams.out, streams.err) == 0 ? kSucceeded : kUsageError;
  }

  if (list->parsed()) {
    return ListFiles(files, LayoutChoice(layoutName),
                     formatName == "json" ? Format::Json : Format::Text, streams);
  }
  if (convert->parsed())
    return ConvertFile(convertIn, convertOut, *binding::LayoutNamed(targetName), streams);
  return UnwrapFile(unwrapIn, unwrapOut, streams);
}

}  // namespace nfse
