#!/usr/bin/env python3
"""Serves the demo directory site (site/public) on loopback.

    serve.py [--port N] [--port-file FILE] [--root FOLDER] [--tls CERTIFICATE KEY]

Only 127.0.0.1 is ever bound. With --port 0 (the default) the system picks a
free port; the port is printed as "port N" once the server listens, and also
written to --port-file when given, so scripts can wait for it.

Text files (.xml, .html, .php) may contain {{BASE}}, which is replaced by the
base URL the server is reached at ("http://127.0.0.1:N/"), so the same files
work on any port. A query string is ignored ("banner.php?bid=12").

With --root the site is served from another folder laid out as public/ is
(a benchmark's own directory, for instance).

With --tls the site is served over https instead, with that certificate, and
its base URL is "https://localhost:N/": a client checks the certificate
against the name it asked for, and certificates name hosts, not addresses.

With --changing-now-playing the title of each now-playing page changes every
minute, as a radio's does (for long runs of the player).

For failure tests, a path prefix changes how the files under it are answered:

    /status/NNN/...     the HTTP status NNN with a small error page
    /close-early/...    the whole length announced, half the body, then close
    /stall/...          the request is read, then nothing is sent
    /stall-body/...     the headers and half the body, then nothing more
    /to-http/...        over https, a redirect to the same path over http, at
                        the address that --plain-port names

A stalled connection is held until the client gives up or --stall-limit
seconds have passed.

Radio streams, endless MP3 and AAC with ICY metadata (see radio_stream.py),
end after --stream-limit seconds when one is given:

    /radio/TUNE.mp3     the tune public/streams/TUNE.mp3 in a loop, as an
                        HTTP/1.0 answer with the icy- headers
    /radio/TUNE.aac     the same for public/streams/TUNE.aac, as audio/aacp
    /radio/live.mp3     all the MP3 tunes in turn (live.aac: the AAC ones)
    /radio/icy.mp3      /radio/live.mp3 after an "ICY 200 OK" status line
    /mislabel/radio/... the stream named as the other format (AAC as
                        audio/mpeg, MP3 as audio/aacp), as some servers do
    /drop/N/radio/...   the stream, dropped after N seconds
    /freeze/N/radio/... the stream, which stops after N seconds but keeps its
                        connection open (until --stall-limit)
    /radio/live.pls, /radio/live.m3u   playlists naming both streams
"""

import argparse
import http.server
import mimetypes
import pathlib
import ssl
import sys
import threading
import time
import urllib.parse

import radio_stream

PUBLIC = pathlib.Path(__file__).resolve().parent / "public"
TEMPLATED = {".xml", ".html", ".php", ".pls", ".m3u"}
# The address of the "live" programme that old radio servers' status line
# answers, as some directories still list such servers.
ICY_PROGRAMME = "icy"


def content_type(path, body):
    if path.suffix == ".php":
        return "text/xml" if body.lstrip().startswith(b"<?xml") else "text/html"
    return mimetypes.guess_type(path.name)[0] or "application/octet-stream"


class SiteHandler(http.server.BaseHTTPRequestHandler):
    server_version = "VelmoraDemoSite/1.0"
    # One request per connection, so a fault ends with its connection.
    protocol_version = "HTTP/1.0"

    def do_GET(self):
        self.answer(send_body=True)

    def do_HEAD(self):
        self.answer(send_body=False)

    def answer(self, send_body):
        fault, path = self.split_fault(urllib.parse.urlsplit(self.path).path)
        if fault and fault[0] == "status":
            return self.send_error_page(int(fault[1]), send_body)
        if fault and fault[0] == "stall":
            return self.stall()
        if fault and fault[0] == "to-http" and self.server.plain_port:
            return self.send_redirect("http://127.0.0.1:%d/%s" % (self.server.plain_port, path))
        programme, icy_status_line = self.radio_programme(path)
        if programme:
            end_after = float(fault[1]) if fault and fault[0] in ("drop", "freeze") else None
            mislabelled = bool(fault) and fault[0] == "mislabel"
            self.send_radio(programme, icy_status_line, end_after, mislabelled, send_body)
            if fault and fault[0] == "freeze":
                self.stall()
            return
        file = self.resolve(self.server.root, path)
        if file is None:
            return self.send_error_page(404, send_body)
        body = file.read_bytes()
        if file.suffix in TEMPLATED:
            body = body.replace(b"{{BASE}}", self.base_url().encode("ascii"))
        if self.server.changing_now_playing and path.startswith("nowplaying/"):
            minute = int(time.monotonic() - self.server.started) // 60
            body = body.replace(b"</b>", b" (minute %d)</b>" % minute, 1)
        self.send_response(200)
        self.send_header("Content-Type", content_type(file, body))
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        if not send_body:
            return
        if fault and fault[0] in ("close-early", "stall-body"):
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            if fault[0] == "stall-body":
                self.stall()
            return
        self.wfile.write(body)

    @staticmethod
    def split_fault(path):
        """The fault named by the path's prefix, if any, and the rest of the path."""
        parts = path.lstrip("/").split("/")
        if len(parts) >= 2 and parts[0] == "status" and parts[1].isdigit():
            code = int(parts[1])
            if 200 <= code <= 599:
                return ("status", parts[1]), "/".join(parts[2:])
        if len(parts) >= 2 and parts[0] in ("drop", "freeze") and parts[1].isdigit():
            return (parts[0], parts[1]), "/".join(parts[2:])
        if parts and parts[0] in ("close-early", "stall", "stall-body", "to-http", "mislabel"):
            return (parts[0],), "/".join(parts[1:])
        return None, "/".join(parts)

    def radio_programme(self, path):
        """The programme a path names ("radio/NAME.mp3", "radio/NAME.aac"),
        if any, and the status line it is answered with (None: HTTP's)."""
        folder, _, file = path.partition("/")
        if folder != "radio":
            return None, None
        if file == ICY_PROGRAMME + ".mp3":
            return self.server.radio_programmes["live.mp3"], b"ICY 200 OK"
        return self.server.radio_programmes.get(file), None

    @staticmethod
    def resolve(root, path):
        """The file for a URL path, never outside the site's folder."""
        relative = urllib.parse.unquote(path) or "index.html"
        try:
            candidate = (root / relative).resolve()
            if candidate.is_dir():
                candidate = candidate / "index.html"
            if root not in candidate.parents or not candidate.is_file():
                return None
        except (OSError, ValueError):  # names the file system refuses
            return None
        return candidate

    def send_radio(self, programme, icy_status_line, end_after, mislabelled, send_body):
        with_metadata = self.headers.get("Icy-MetaData", "").strip() == "1"
        content_type = programme.content_type
        if mislabelled:
            content_type = "audio/aacp" if content_type == "audio/mpeg" else "audio/mpeg"
        headers = [("Content-Type", content_type),
                   ("icy-name", "Velmora " + programme.name.capitalize()),
                   ("Cache-Control", "no-cache")]
        if with_metadata:
            headers.append(("icy-metaint", str(radio_stream.METAINT)))
        if icy_status_line:
            # Old radio servers answer with their own status line, which
            # HTTP libraries do not know.
            lines = [icy_status_line] + [("%s: %s" % h).encode("ascii") for h in headers]
            self.wfile.write(b"\r\n".join(lines) + b"\r\n\r\n")
        else:
            self.send_response(200)
            for name, value in headers:
                self.send_header(name, value)
            self.end_headers()
        if not send_body:
            return
        limit = self.server.stream_limit if end_after is None else end_after
        stream = radio_stream.RadioStream(programme, with_metadata)
        try:
            stream.write(self.wfile, limit, self.server.stopping)
            self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError):
            pass
        self.close_connection = True

    def base_url(self):
        if self.server.tls:
            return "https://localhost:%d/" % self.server.server_address[1]
        return "http://127.0.0.1:%d/" % self.server.server_address[1]

    def send_redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def send_error_page(self, code, send_body):
        reason = http.server.BaseHTTPRequestHandler.responses.get(code, ("Error",))[0]
        body = ("<html><head><title>%d %s</title></head><body><h1>%d %s</h1></body></html>\n"
                % (code, reason, code, reason)).encode("ascii")
        self.send_response(code, reason)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if send_body:
            self.wfile.write(body)

    def stall(self):
        deadline = time.monotonic() + self.server.stall_limit
        while time.monotonic() < deadline and not self.server.stopping.is_set():
            # A client that gave up closes its end; the socket then reads empty.
            # (The request has been read: nothing the client sends is lost.)
            self.connection.settimeout(0.2)
            try:
                if self.connection.recv(1) == b"":
                    break
            except TimeoutError:
                pass
            except OSError:
                break
        self.close_connection = True

    def log_message(self, format, *args):
        if self.server.verbose:
            sys.stderr.write("%s\n" % (format % args))


class SiteServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, root, port, stall_limit, stream_limit, verbose, changing_now_playing, tls=None,
                 plain_port=None):
        super().__init__(("127.0.0.1", port), SiteHandler)
        self.root = root
        self.plain_port = plain_port
        self.tls = tls is not None
        if tls:
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.load_cert_chain(*tls)
            # The handshake happens in the request's own thread, so that a
            # client that stalls in it holds up no other.
            self.socket = context.wrap_socket(self.socket, server_side=True,
                                              do_handshake_on_connect=False)
        self.started = time.monotonic()
        self.changing_now_playing = changing_now_playing
        self.stall_limit = stall_limit
        self.stream_limit = stream_limit
        self.radio_programmes = radio_stream.load_programmes(root / "streams")
        self.verbose = verbose
        self.stopping = threading.Event()

    def handle_error(self, request, client_address):
        # A client that refuses the certificate ends the handshake: that is
        # what the certificate tests are after, not a fault of the server.
        if isinstance(sys.exc_info()[1], (ssl.SSLError, ConnectionResetError)):
            if self.verbose:
                sys.stderr.write("handshake refused: %s\n" % sys.exc_info()[1])
            return
        super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser(description="Serve the demo directory site on loopback.")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--port-file")
    parser.add_argument("--root", type=pathlib.Path, default=PUBLIC)
    parser.add_argument("--stall-limit", type=float, default=120.0)
    parser.add_argument("--stream-limit", type=float, default=None)
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--changing-now-playing", action="store_true")
    parser.add_argument("--tls", nargs=2, metavar=("CERTIFICATE", "KEY"))
    parser.add_argument("--plain-port", type=int,
                        help="the port of the same site over http, for /to-http/")
    options = parser.parse_args()

    server = SiteServer(options.root.resolve(), options.port, options.stall_limit, options.stream_limit,
                        options.verbose, options.changing_now_playing, options.tls,
                        options.plain_port)
    port = server.server_address[1]
    if options.port_file:
        # Written whole under another name first: a reader never sees half.
        written = pathlib.Path(options.port_file + ".new")
        written.write_text("%d\n" % port)
        written.replace(options.port_file)
    print("port %d" % port, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.stopping.set()
        server.server_close()


if __name__ == "__main__":
    main()
