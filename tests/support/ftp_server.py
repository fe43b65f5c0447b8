"""A real FTP server for the tests: one user on 127.0.0.1, a free port printed on the first
line of standard output, one line per control connection appended to the connection log."""
import argparse
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--connections", required=True)
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        auth_failed_timeout = 0.05

        def on_connect(self):
            with open(args.connections, "a") as log:
                log.write("connect\n")

    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", args.port), Handler)
    server.max_cons = 256
    print(server.address[1], flush=True)
    sys.stdout.close()
    server.serve_forever(timeout=0.5)


if __name__ == "__main__":
    main()
