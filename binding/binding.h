#pragma once

// The node layer under every typed binding: documents, nodes, collections and value kinds.

#include "binding/collection.h"
#include "binding/conversions.h"
#include "binding/document.h"
#include "binding/errors.h"
#include "binding/node.h"
#include "binding/platform.h"
#include "binding/text.h"
