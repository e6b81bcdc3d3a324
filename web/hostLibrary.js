// What the game's core imports from its host: each function hands its work
// to Module.host, which the page (web/page/app.js) or Node
// (web/node/host.js) provides. Bytes cross as a length and the bytes in one
// malloc'd block, which the core frees.
mergeInto(LibraryManager.library, {
  $hostBlock__deps: ['malloc'],
  $hostBlock: function (bytes) {
    const block = _malloc(4 + bytes.length);
    HEAPU32[block >> 2] = bytes.length;
    HEAPU8.set(bytes, block + 4);
    return block;
  },

  hostWrite: function (data, size, toError) {
    Module.host.write(HEAPU8.slice(data, data + size), toError !== 0);
  },

  hostColumns: function () {
    return Module.host.columns();
  },

  // A line as bytes, without its end; 0 at the end of input. The game
  // waits for it.
  hostReadLine__deps: ['$hostBlock'],
  hostReadLine: function (plain) {
    return Asyncify.handleAsync(async () => {
      const line = await Module.host.readLine(plain !== 0);
      return line === null ? 0 : hostBlock(line);
    });
  },

  // Bytes gzip-packed; 0 when they could not be.
  hostPack__deps: ['$hostBlock'],
  hostPack: function (data, size) {
    return Asyncify.handleAsync(async () => {
      const input = HEAPU8.slice(data, data + size);
      try {
        return hostBlock(await Module.host.gzip(input));
      } catch (error) {
        return 0;
      }
    });
  },

  // The host answers with the bytes and how many packed bytes it took, or
  // throws.
  hostUnpack__deps: ['$hostBlock'],
  hostUnpack: function (data, size, room, used) {
    return Asyncify.handleAsync(async () => {
      try {
        const unpacked = await Module.host.unpack(HEAPU8.slice(data, data + size), room);
        HEAPU32[used >> 2] = unpacked.used;
        return hostBlock(unpacked.bytes);
      } catch (error) {
        return 0;
      }
    });
  },

  hostRemember: function (line, size) {
    Module.host.remember(UTF8ToString(line, size));
  },

  hostPlay: function (effect, size) {
    Module.host.playSound(UTF8ToString(effect, size));
  },

  hostNow: function () {
    return Date.now() / 1000;
  },

  hostUmask: function () {
    return Module.host.umask();
  },

  hostKeep: function (path) {
    return Asyncify.handleAsync(async () => {
      try {
        await Module.host.keep(UTF8ToString(path));
        return 0;
      } catch (error) {
        return -1;
      }
    });
  },

  // The host answers with a BigInt of nanoseconds.
  hostWrittenAt: function (path, into) {
    let nanoseconds;
    try {
      nanoseconds = Module.host.writtenAt(UTF8ToString(path));
    } catch (error) {
      return;
    }
    const perSecond = BigInt(1000000000);
    HEAP32[into >> 2] = Number(nanoseconds / perSecond);
    HEAP32[(into >> 2) + 1] = Number(nanoseconds % perSecond);
  },

  // ---- The page's storage: Module.host.store (web/page/storage.js) ----
  hostKeepsSaves: function () {
    return Module.host.store ? 1 : 0;
  },

  // 0 once `work` is done, else why not, in words for the player.
  $hostRefusal__deps: ['$hostBlock'],
  $hostRefusal: function (work) {
    return Asyncify.handleAsync(async () => {
      try {
        await work();
        return 0;
      } catch (error) {
        return hostBlock(new TextEncoder().encode(String(error && error.message || error)));
      }
    });
  },

  hostListSaves__deps: ['$hostBlock'],
  hostListSaves: function () {
    return Asyncify.handleAsync(async () => {
      const saves = await Module.host.store.saves.list().catch(() => []);
      // A name the list could not carry could not be typed at the load prompt either.
      const lines = saves.filter((save) => !/[\n\0]/.test(save.name))
        .map((save) => `${BigInt(Math.round(save.written * 1e6))} ${save.name}\n`);
      return hostBlock(new TextEncoder().encode(lines.join('')));
    });
  },

  hostReadSave__deps: ['$hostBlock'],
  hostReadSave: function (name, largest, failed) {
    return Asyncify.handleAsync(async () => {
      try {
        const bytes = await Module.host.store.saves.read(UTF8ToString(name));
        HEAP32[failed >> 2] = 0;
        return bytes ? hostBlock(bytes.subarray(0, largest)) : 0;
      } catch (error) {
        HEAP32[failed >> 2] = 1;
        return 0;
      }
    });
  },

  hostWriteSave__deps: ['$hostRefusal'],
  hostWriteSave: function (name, data, size) {
    const saveName = UTF8ToString(name);
    const packed = HEAPU8.slice(data, data + size);
    return hostRefusal(() => Module.host.store.saves.write(saveName, packed));
  },

  hostRemoveSave: function (name) {
    return Asyncify.handleAsync(async () => {
      try {
        await Module.host.store.saves.remove(UTF8ToString(name));
        return 0;
      } catch (error) {
        return -1;
      }
    });
  },

  hostAppendTranscript__deps: ['$hostRefusal'],
  hostAppendTranscript: function (name, text, size) {
    const transcriptName = UTF8ToString(name);
    const words = HEAPU8.slice(text, text + size);
    return hostRefusal(() => Module.host.store.transcripts.append(transcriptName, words));
  },

  hostKeepJourney: function (record, size) {
    Module.host.keepJourney(HEAPU8.slice(record, record + size));
  },
});
