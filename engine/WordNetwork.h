#pragma once

#include <string>
#include <vector>

namespace kurs::engine {

// A word network: nodes that carry a word or nothing (null nodes), links with
// a weight (a natural-log probability), one start node and one end node.
struct WordNetwork {
    struct Node {
        bool isNull = true;
        std::string word;
    };
    struct Link {
        int from = 0;
        int to = 0;
        double weight = 0.0;
    };

    std::vector<Node> nodes;
    std::vector<Link> links;
    int start = 0;
    int end = 0;
};

// Reads a lattice file (8-bit text, LF or CR LF):
//
//   SUBLAT=<name>            opens a sub-lattice, which a line "." closes
//   N=<nodes> L=<links>      counts of the block that follows
//   I=<i> W=<word>           node i with a word; W=!NULL makes a null node
//   I=<i> L=<name>           node i stands for a copy of the sub-lattice <name>
//   J=<j> S=<from> E=<to> l=<weight>   link j; l is optional (0)
//
// The lines after the last sub-lattice form the main network. Other fields
// (x=, y=, ...), blank lines and lines of other fields only are ignored. In
// every block the node without incoming links is the start and the node
// without outgoing links the end; a sub-lattice is used only after it is
// defined. Throws EngineFailure naming the line of the first fault.
WordNetwork readLattice(const std::string& path);
WordNetwork parseLattice(const std::string& bytes, const std::string& nameForMessages);

} // namespace kurs::engine
