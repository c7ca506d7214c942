#include "returns/ReturnRecord.h"

ReturnRecord::ReturnRecord() : client{} {
    initClientRecord(client);
}

ReturnRecord& currentReturn() {
    static ReturnRecord record;
    return record;
}

void resetReturn(ReturnRecord& record) {
    record = ReturnRecord();
}

void takeClient(ReturnRecord& record, const ClientRecord& client) {
    record.client = client;
}

void setPeriod(ReturnRecord& record, const ReturnPeriod& period) {
    record.period = period;
}
