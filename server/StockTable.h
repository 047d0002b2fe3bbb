#pragma once
#include "CustomerTerms.h"
#include "DataSnapTable.h"

class QSqlQuery;

// The stock line table of the stock search, the new-stock and the campaign lists: the stock's
// codes and states with the prices of one customer.
class StockTable {
public:
    // Columns the query must select from stok, in this order.
    static QString selectColumns();
    static DataSnapTable build(QSqlQuery& query, const CustomerTerms& terms, int customerType);
};
