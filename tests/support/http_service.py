"""A stand-in for the hosting service on 127.0.0.1: answers from files below --root (the
path of the request, "/zeb/login.php" is root/zeb/login.php), 404 for a missing file, and
appends every request line (path and raw query) to --log. In the replies of /zeb/ endpoints
"{{name}}" is replaced by the request's value of name. The port is printed on the first line."""
import argparse
import os
import re
import sys
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--log", required=True)
    args = parser.parse_args()
    root = os.path.realpath(args.root)

    class Handler(BaseHTTPRequestHandler):
        def log_message(self, *unused):
            pass

        def do_GET(self):
            with open(args.log, "a", encoding="latin-1") as log:
                log.write(self.path + "\n")
            path, _, query = self.path.partition("?")
            local = os.path.realpath(os.path.join(root, urllib.parse.unquote(path).lstrip("/")))
            if not local.startswith(root + os.sep) or not os.path.isfile(local):
                self.send_error(404)
                return
            with open(local, "rb") as f:
                body = f.read()
            if path.startswith("/zeb/"):
                values = urllib.parse.parse_qs(query, keep_blank_values=True, encoding="cp1252")
                body = re.sub(rb"\{\{(\w+)\}\}",
                              lambda m: values.get(m.group(1).decode(), [""])[0].encode("cp1252"),
                              body)
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    sys.stdout.close()
    server.serve_forever(poll_interval=0.2)


if __name__ == "__main__":
    main()
