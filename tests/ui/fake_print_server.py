#!/usr/bin/env python3
"""A print server on a loopback port that speaks just enough IPP over HTTP for libcups to find one
printer and send it a job, and that misbehaves at a chosen moment. It prints its port, then a line
for each job event: "created ID", "document ID BYTES WIDTHxHEIGHT" (in points), "answered ID", "cancelled ID".
Usage: fake_print_server.py accept|stall|drop [SECONDS]
  accept: answers everything, the document after SECONDS (0);
  stall:  stops reading and answering as the document starts;
  drop:   reads the whole document, then closes the connection without an answer."""
import re, socket, socketserver, struct, sys, threading, time

mode, delay = sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 0
lock, jobs = threading.Lock(), [0]


def say(line):
    with lock:
        print(line, flush=True)


def attribute(tag, name, value):
    value = value.encode() if isinstance(value, str) else value
    return struct.pack('>BH', tag, len(name)) + name.encode() + struct.pack('>H', len(value)) + value


def attributes(body):  # name -> value of a request's attributes, and where its document starts
    found, at, name = {}, 8, ''
    while body[at] != 3:
        if body[at] < 0x10:
            at += 1
            continue
        length = struct.unpack('>H', body[at + 1:at + 3])[0]
        name = body[at + 3:at + 3 + length].decode() or name
        size = struct.unpack('>H', body[at + 3 + length:at + 5 + length])[0]
        found[name] = body[at + 5 + length:at + 5 + length + size]
        at += 5 + length + size
    return found, at + 1


class Connection(socketserver.StreamRequestHandler):
    def chunks(self, headers):
        if headers.get('transfer-encoding', '').lower() != 'chunked':
            yield self.rfile.read(int(headers.get('content-length', 0)))
            return
        while (size := int(self.rfile.readline().split(b';')[0], 16)) > 0:
            yield self.rfile.read(size)
            self.rfile.readline()
        self.rfile.readline()

    def handle(self):
        while (request := self.rfile.readline()):
            headers = {}
            while (line := self.rfile.readline().decode()).strip():
                key, _, value = line.partition(':')
                headers[key.strip().lower()] = value.strip()
            if headers.get('expect', '').lower() == '100-continue':
                self.wfile.write(b'HTTP/1.1 100 Continue\r\n\r\n')
            body = b''
            for chunk in self.chunks(headers):
                body += chunk
                if mode == 'stall' and len(body) >= 4 and body[3] == 6:  # Send-Document
                    time.sleep(120)
                    return
            if not request.startswith(b'POST'):  # files a printer may have, such as a PPD
                self.wfile.write(b'HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n')
            elif not self.answer(body):
                return

    def answer(self, body):
        operation, request = struct.unpack('>xxHI', body[:8])
        found, start = attributes(body)
        job = struct.unpack('>i', found['job-id'])[0] if 'job-id' in found else 0
        uri = 'ipp://127.0.0.1:%d/printers/Fake' % self.server.server_address[1]
        groups = b''
        if operation == 5:  # Create-Job
            with lock:
                jobs[0] += 1
                job = jobs[0]
            say('created %d' % job)
        elif operation == 6:  # Send-Document
            box = re.search(rb'/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\]', body[start:])
            say('document %d %d %s' % (job, len(body) - start, box and '%.0fx%.0f' % tuple(map(float, box.groups()))))
            if mode == 'drop':
                self.connection.shutdown(socket.SHUT_RDWR)
                return False
            time.sleep(delay)
        elif operation == 8:  # Cancel-Job
            say('cancelled %d' % job)
        else:  # everything about the printer
            groups = (b'\x04' + attribute(0x42, 'printer-name', 'Fake') +
                      attribute(0x45, 'printer-uri-supported', uri) +
                      attribute(0x23, 'printer-state', struct.pack('>i', 3)) +
                      attribute(0x22, 'printer-is-accepting-jobs', b'\x01') +
                      attribute(0x44, 'media-default', 'iso_a4_210x297mm') +
                      attribute(0x44, 'media-supported', 'iso_a4_210x297mm'))
        if operation in (5, 6):
            groups = (b'\x02' + attribute(0x21, 'job-id', struct.pack('>i', job)) +
                      attribute(0x45, 'job-uri', '%s/%d' % (uri, job)) +
                      attribute(0x23, 'job-state', struct.pack('>i', 3)))
        ipp = (struct.pack('>BBHI', 2, 0, 0, request) + b'\x01' + attribute(0x47, 'attributes-charset', 'utf-8') +
               attribute(0x48, 'attributes-natural-language', 'en') + groups + b'\x03')
        self.wfile.write(b'HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: %d\r\n\r\n%s'
                         % (len(ipp), ipp))
        if operation == 6:
            say('answered %d' % job)
        return True

    def finish(self):  # a connection dropped on purpose has nothing left to flush
        try:
            super().finish()
        except OSError:
            pass


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True


with Server(('127.0.0.1', 0), Connection) as server:
    stop = threading.Timer(300, server.shutdown)  # never outlives a test
    stop.daemon = True
    stop.start()
    say(server.server_address[1])
    server.serve_forever()
