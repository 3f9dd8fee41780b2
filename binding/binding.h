#pragma once

// The node layer under every typed binding: documents, nodes, collections, value kinds and the
// declarations bound types are written with, in either namespace layout.

#include "binding/collection.h"
#include "binding/conversions.h"
#include "binding/document.h"
#include "binding/errors.h"
#include "binding/layout.h"
#include "binding/node.h"
#include "binding/platform.h"
#include "binding/schema.h"
#include "binding/text.h"
