#include "table/model.h"

namespace table {

TableModel& Model() {
    static TableModel model;
    return model;
}

void ClearHand() { Model().hand.clear(); }

void ClearTableLists() {
    Model().groups.clear();
}

void ResetTableModel() { Model() = TableModel{}; }

}  // namespace table
