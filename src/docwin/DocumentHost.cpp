#include "DocumentHost.h"

namespace {

TDocumentHost *CurrentHost = nullptr;

} // namespace

TDocumentHost *DocumentHost()
{
    return CurrentHost;
}

void SetDocumentHost(TDocumentHost *host)
{
    CurrentHost = host;
}
