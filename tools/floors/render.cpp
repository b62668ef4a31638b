#include <ostream>

#include "floors/commands.hpp"

namespace q::floors {

int RunRender(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "quorrel-floors render: not built yet\n";
    return 1;
}

int RunTable(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "quorrel-floors table: not built yet\n";
    return 1;
}

}  // namespace q::floors
