// Serves a folder of static files on 127.0.0.1, as any web server would
// serve the built site. Usage: node web/serve.js FOLDER [PORT]; port 0 takes
// any free one. Prints the address once it listens.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.ogg': 'audio/ogg',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
  '.gz': 'application/gzip',
};

// The path a request asks for, decoded; null when no file could be meant
// (an encoding that decodes to nothing, or a zero byte).
function pathWanted(url) {
  try {
    const wanted = decodeURIComponent(new URL(url, 'http://localhost').pathname);
    return wanted.includes('\0') ? null : wanted;
  } catch (error) {
    return null;
  }
}

function serve(folder, port, onListening) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    // Every answer is taken as the type it names, never guessed from its bytes.
    response.setHeader('X-Content-Type-Options', 'nosniff');
    const wanted = pathWanted(request.url);
    if (wanted === null) {
      response.writeHead(400, { 'Content-Type': 'text/plain' });
      response.end('Bad request\n');
      return;
    }
    let file = path.join(root, path.normalize(wanted));
    if (!file.startsWith(root)) file = root;
    if (wanted.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' });
        response.end('Not found\n');
        return;
      }
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(bytes);
    });
  });
  server.listen(port, '127.0.0.1', () => onListening(server, `http://127.0.0.1:${server.address().port}/`));
  return server;
}

module.exports = { serve };

if (require.main === module) {
  const [folder = 'build-web/site', port = '8000'] = process.argv.slice(2);
  serve(folder, Number(port), (server, address) => console.log(`Lanternmoor is served on ${address} (Ctrl-C stops)`));
}
