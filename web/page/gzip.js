// Gzip for save files, through the browser's own streams.
export async function pack(bytes) {
  const packed = new Blob([bytes]).stream().pipeThrough(new CompressionStream('gzip'));
  return new Uint8Array(await new Response(packed).arrayBuffer());
}

// The gzip member `packed` begins with, unpacked by the browser: its bytes,
// or null when the browser refuses the data or it holds more than `room`
// bytes. Fed a kilobyte at a time, so that data claiming gigabytes stops
// near the room. Unless `finish`, the data need not end the member:
// anything but null means the browser took all of it.
async function inflate(packed, room, finish) {
  const stream = new DecompressionStream('gzip');
  const writer = stream.writable.getWriter();
  const reader = stream.readable.getReader();
  const parts = [];
  let size = 0;
  const drained = (async () => {
    for (let read = await reader.read(); !read.done; read = await reader.read()) {
      parts.push(read.value);
      size += read.value.length;
    }
  })();
  drained.catch(() => {});
  try {
    for (let at = 0; at < packed.length && size <= room; at += 1024) {
      await writer.write(packed.subarray(at, at + 1024));
    }
    if (finish && size <= room) {
      await writer.close();
      await drained;
    }
  } catch (error) {
    return null;
  } finally {
    writer.abort().catch(() => {});
    reader.cancel().catch(() => {});
  }
  if (size > room) return null;
  const whole = new Uint8Array(size);
  let at = 0;
  for (const part of parts) {
    whole.set(part, at);
    at += part.length;
  }
  return whole;
}

// The gzip data `packed` begins with, at most `room` bytes of it unpacked:
// { bytes, used }, where used counts the packed bytes it took. The browser
// unpacks one member and refuses whatever follows it, so a member's end is
// sought where it must be: one byte before the shortest start of the data
// the browser refuses. Throws when there is no whole member within the room.
export async function unpack(packed, room) {
  const whole = await inflate(packed, room, true);
  if (whole) return { bytes: whole, used: packed.length };
  let taken = 0;
  let refused = packed.length;
  while (refused - taken > 1) {
    const middle = (taken + refused) >> 1;
    if (await inflate(packed.subarray(0, middle), room, false)) taken = middle;
    else refused = middle;
  }
  const member = await inflate(packed.subarray(0, taken), room, true);
  if (!member) throw new Error('no whole gzip data');
  return { bytes: member, used: taken };
}
