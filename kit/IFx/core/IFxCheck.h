#ifndef IFXCHECK_H
#define IFXCHECK_H

// Stops the plug-in with the expression's text where the framework's own
// built-in data breaks an invariant; never used on host or user input.
// Any thread.

#include <cstdio>
#include <cstdlib>

#define IFX_CHECK(expr) \
  ((expr) ? (void)0 : (std::fprintf(stderr, "%s:%u: failed assertion `%s'\n", __FILE__, __LINE__, #expr), std::abort()))

#endif
