#pragma once

#include <string>

#include "binding/collection.h"

namespace query_documents {

// Repeated plain child elements holding wide text; the creator names the item element.
// AddItem(text) and InsertItem(index, text) return the new item node; ItemAt(index) fails on an
// item without text.
class TXMLString_List : public binding::TXMLTextList<std::u16string> {
 public:
  using TXMLTextList::TXMLTextList;
};

}  // namespace query_documents
