#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace binding {

// Root of every failure the node layer raises; what() is the message shown to callers (UTF-8).
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be read or is not well-formed XML.
class ParseError : public Error {
 public:
  ParseError(std::string_view reason, std::int64_t line, std::string_view sourceText);
};

// A value whose text does not convert to the kind asked for.
class ConversionError : public Error {
 public:
  ConversionError(std::string_view fromType, std::string_view toType);
};

// A value read from an element the document leaves out, where reading creates nothing (the
// service layout). Its text is the conversion error's; a caller that lists a document can tell
// a missing value from one that is there and does not convert.
class MissingValueError : public ConversionError {
 public:
  using ConversionError::ConversionError;
};

// An index outside a collection's items.
class IndexError : public Error {
 public:
  explicit IndexError(std::int64_t index);
};

// A bound element that is not of the type its binding expects.
class InterfaceError : public Error {
 public:
  InterfaceError();
};

// A child that must exist but does not, where nothing may be created.
class NotFoundError : public Error {
 public:
  explicit NotFoundError(std::string_view name);
};

}  // namespace binding
