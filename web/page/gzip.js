// Gzip for save files, through the browser's own streams.
export async function pack(bytes) {
  const packed = new Blob([bytes]).stream().pipeThrough(new CompressionStream('gzip'));
  return new Uint8Array(await new Response(packed).arrayBuffer());
}

// The bytes unpacked, though no more than `most` of them: what lies beyond
// is never unpacked, so a small file that unpacks to gigabytes costs
// nothing. Rejects when the bytes are not gzip.
export async function unpackAtMost(bytes, most) {
  const reader = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip')).getReader();
  const parts = [];
  let size = 0;
  try {
    while (size < most) {
      const { done, value } = await reader.read();
      if (done) break;
      parts.push(value.subarray(0, most - size));
      size += parts[parts.length - 1].length;
    }
  } finally {
    reader.cancel().catch(() => {});
  }
  const whole = new Uint8Array(size);
  let at = 0;
  for (const part of parts) {
    whole.set(part, at);
    at += part.length;
  }
  return whole;
}
