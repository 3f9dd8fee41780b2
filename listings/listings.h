#pragma once

// The one listing logic of both programs and the command line, with no Qt: a document's values
// labelled with their paths and shown one a line, the tables of the request grids, and the grid
// integer parse of their number fields.

#include "listings/cancel.h"
#include "listings/grid_integer.h"
#include "listings/listing.h"
#include "listings/query.h"
#include "listings/request_fields.h"
