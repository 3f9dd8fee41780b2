#pragma once

// Private to the node layer: the state a few node objects keep beside the element they view.

#include <string>
#include <vector>

#include "binding/node.h"

namespace binding {

// A registration made through RegisterChildType; a null type takes the name off the list.
struct TXMLNode::Registration {
  std::string tag;
  std::string ns;
  const NodeType* type;
};

// What few node objects need beyond the element they view.
struct TXMLNode::Extras {
  // A pending view: the view it hangs from and the declaration of its element (its tag kept
  // here).
  TXMLNode* pendingParent = nullptr;
  std::string pendingTag;
  Property pendingAs;
  // A collection over another view's element: that view.
  TXMLNode* host = nullptr;
  // Pending children handed out so far, handed out again for the same declaration.
  std::vector<TXMLNode*> pending;
  struct Hosted {
    const NodeType* type;
    std::string itemNames;
    TXMLNodeCollection* collection;
  };
  std::vector<Hosted> hosted;
  std::vector<TXMLNode*> attributes;
  bool attributesBuilt = false;
  // Searched before the registrations the type declares.
  std::vector<Registration> registrations;
};

}  // namespace binding
