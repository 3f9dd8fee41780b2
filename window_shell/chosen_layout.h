#pragma once

// The window's layout choice applied to a program's bound documents: what both programs'
// handlers do with it. The shell itself knows no document; this header is where it meets the node
// layer, in a target of its own (window_shell_layout) that the programs link.

#include <memory>

#include "binding/document.h"
#include "binding/layout.h"
#include "window_shell/form.h"
#include "window_shell/messages.h"

namespace window_shell {

// The layout New, Open and Save use now, as the window's choice names it.
inline binding::Layout ChosenLayout(const TForm1& form) {
  return form.ServiceLayoutChosen() ? binding::Layout::Service : binding::Layout::Specified;
}

// A document just opened, refused when it was opened under the service layout but its elements
// are in the specified one: every value would read as left out. The ShownFailure tells the user
// which layout the file is in; a caller that assigns only what this returns keeps its current
// document. Under the specified layout nothing is asked: a service file fails there as its reads
// find nothing.
template <class Root>
std::shared_ptr<Root> AcceptedInItsLayout(std::shared_ptr<Root> opened) {
  const std::shared_ptr<binding::TXMLDocument> document = opened->OwnerDocument();
  if (document->NamespaceLayout() == binding::Layout::Service &&
      binding::DetectLayout(*document) == binding::Layout::Specified) {
    throw ShownFailure(messages::FileInSpecifiedLayout());
  }
  return opened;
}

// The document Save writes for the request `root` under `layout`: its own, or, for a request
// made or opened under the other choice, a copy converted into `layout`. So the file always has
// the layout chosen when it is saved, and the request itself stays as it is.
inline std::shared_ptr<binding::TXMLDocument> DocumentToSave(binding::TXMLNode& root,
                                                             binding::Layout layout) {
  std::shared_ptr<binding::TXMLDocument> document = root.OwnerDocument();
  if (document->NamespaceLayout() == layout) return document;
  return binding::ConvertLayout(root, layout);
}

}  // namespace window_shell
