#pragma once
// A fixed path for a line whose real name changes (a new pseudo-terminal after every
// comeback): a symbolic link that is replaced in one step, never left missing, and
// that only ever replaces a link, never a file someone keeps there.

#include <string>

// Points `link` at `target`. Throws std::runtime_error if `link` is something other
// than a symbolic link, or cannot be made.
void PointLink(const std::string& link, const std::string& target);

// Removes `link` if it still points at `target`; another program may have taken the
// path over meanwhile.
void RemoveLinkTo(const std::string& link, const std::string& target);
