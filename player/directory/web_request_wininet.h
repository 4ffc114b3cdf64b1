#pragma once
// Sending a WinInet request made for an http or https address, for the
// downloads and the radio engine alike.

#include "directory/web_url_wininet.h"

#include <windows.h>
#include <wininet.h>

// Sends the request with its extra headers (none when null). False when it
// failed, and also when a request made over https ended at a plain http
// address: WinInet follows such a redirect without a word (Wine's does), and
// what came back would pass for secure. The last error then says why.
bool SendWebRequest(HINTERNET request, const WebUrlParts& asked, const wchar_t* headers = nullptr);
