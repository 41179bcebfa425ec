<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>StringTable</name>
    <message>
        <source>GIF Image</source>
        <translation>Imagem GIF</translation>
    </message>
    <message>
        <source>JPEG error #%d</source>
        <translation>Erro JPEG nº %d</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Arquivo de imagem JPEG</translation>
    </message>
    <message>
        <source>File: %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Arquivo: %s<byte value="xd"/>Modo:    %-15s Pasta: %s<byte value="xd"/>Tecla:   %-15s Caminho: %s</translation>
    </message>
    <message>
        <source>Res:  %s<byte value="xd"/>Mode: %-15s CDir: %s<byte value="xd"/>Key:  %-15s Path: %s</source>
        <translation>Recurso: %s<byte value="xd"/>Modo:    %-15s Pasta: %s<byte value="xd"/>Tecla:   %-15s Caminho: %s</translation>
    </message>
    <message>
        <source>Do you wish to Exit Kedoozle?</source>
        <translation>Deseja sair do Kedoozle?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>About Kedoozle</source>
        <translation>Sobre o Kedoozle</translation>
    </message>
    <message>
        <source>Copyright Information</source>
        <translation>Direitos autorais</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source> Version 2.0</source>
        <translation> Versão 2.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Kedoozle developers</source>
        <translation>Copyright © 2026 Desenvolvedores do Kedoozle</translation>
    </message>
    <message>
        <source>For technical support, send email to:</source>
        <translation>Suporte técnico por e-mail:</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>A imagem do ícone não é válida</translation>
    </message>
    <message>
        <source>Metafile is not valid</source>
        <translation>O metarquivo não é válido</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%s)</source>
        <translation>Extensão de arquivo de imagem desconhecida (.%s)</translation>
    </message>
    <message>
        <source>Resource %s not found</source>
        <translation>Recurso %s não encontrado</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Não é possível abrir o arquivo %s</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Não é possível atribuir um %s a um %s</translation>
    </message>
    <message>
        <source>Unable to write to %s</source>
        <translation>Não é possível gravar em %s</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unknown picture type code %d</source>
        <translation>Código de tipo de imagem desconhecido %d</translation>
    </message>
    <message>
        <source>Picture %s is empty</source>
        <translation>A imagem %s está vazia</translation>
    </message>
    <message>
        <source>Tab index out of bounds</source>
        <translation>Índice de guia fora dos limites</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Índice de lista fora dos limites (%d)</translation>
    </message>
    <message>
        <source>Keys are not locked: this desktop does not let Kedoozle hold back its shortcuts. Super, Alt+Tab and the desktop&apos;s other shortcuts still work.</source>
        <translation>Teclas não bloqueadas: este ambiente não permite que o Kedoozle segure os atalhos dele. Super, Alt+Tab e os outros atalhos da área de trabalho continuam funcionando.</translation>
    </message>
    <message>
        <source>Keys are not locked any more: the desktop took its shortcuts back. Super, Alt+Tab and the desktop&apos;s other shortcuts work again.</source>
        <translation>As teclas não estão mais bloqueadas: o ambiente retomou os atalhos. Super, Alt+Tab e os outros atalhos da área de trabalho voltaram a funcionar.</translation>
    </message>
    <message>
        <source>Keys are locked again.</source>
        <translation>As teclas estão bloqueadas de novo.</translation>
    </message>
    <message>
        <source>Click here to change to ClassicType play mode.</source>
        <translation>Clique aqui para mudar para o modo de jogo ClassicType.</translation>
    </message>
    <message>
        <source>Click here to change to PatternType play mode.</source>
        <translation>Clique aqui para mudar para o modo de jogo PatternType.</translation>
    </message>
    <message>
        <source>Click here to change to ShapeType play mode.</source>
        <translation>Clique aqui para mudar para o modo de jogo ShapeType.</translation>
    </message>
    <message>
        <source>Click here to change to PictureType play mode.</source>
        <translation>Clique aqui para mudar para o modo de jogo PictureType.</translation>
    </message>
    <message>
        <source>Click here to change to KeyType play mode.</source>
        <translation>Clique aqui para mudar para o modo de jogo KeyType.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>Click here to<byte value="xd"/>turn sound off.</source>
        <translation>O som está ligado.<byte value="xd"/>Clique aqui para<byte value="xd"/>desligar o som.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>Click here to<byte value="xd"/>turn sound on.</source>
        <translation>O som está desligado.<byte value="xd"/>Clique aqui para<byte value="xd"/>ligar o som.</translation>
    </message>
    <message>
        <source>Click here to see more information about Kedoozle.</source>
        <translation>Clique aqui para ver mais informações sobre o Kedoozle.</translation>
    </message>
    <message>
        <source>Click here to<byte value="xd"/>Exit Kedoozle.</source>
        <translation>Clique aqui para<byte value="xd"/>sair do Kedoozle.</translation>
    </message>
    <message>
        <source>Hello, little one! Let&apos;s play!</source>
        <translation>Oi, pequenino! Vamos brincar!</translation>
    </message>
    <message>
        <source>keys are not locked</source>
        <translation>teclas não bloqueadas</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Assinatura GIF inválida</translation>
    </message>
    <message>
        <source>Premature end of data</source>
        <translation>Fim prematuro dos dados</translation>
    </message>
    <message>
        <source>Unknown extension type</source>
        <translation>Tipo de extensão desconhecido</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Introdutor de extensão inválido</translation>
    </message>
    <message>
        <source>Internal error: Extension Instance does not match Extension Label</source>
        <translation>Erro interno: a instância da extensão não corresponde ao rótulo da extensão</translation>
    </message>
    <message>
        <source>Unsupported Application Extension block size</source>
        <translation>Tamanho de bloco de extensão de aplicativo não suportado</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Dados GIF inválidos</translation>
    </message>
    <message>
        <source>Circular decoder table entry</source>
        <translation>Entrada circular na tabela do decodificador</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Falha ao alocar memória para o DIB do GIF</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>A imagem está vazia</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>A tabela de cores está vazia</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Nenhuma tabela de cores global ou local definida</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Tipo de bloco GIF desconhecido</translation>
    </message>
    <message>
        <source>Image exceeds Logical Screen size</source>
        <translation>A imagem excede o tamanho da tela lógica</translation>
    </message>
    <message>
        <source>Decoder bit buffer under-run</source>
        <translation>Esvaziamento do buffer de bits do decodificador</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Final de imagem inválido</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Índice de cor inválido</translation>
    </message>
    <message>
        <source>Free to use, copy, change and pass on.</source>
        <translation>Livre para usar, copiar, alterar e repassar.</translation>
    </message>
    <message>
        <source>Keys are not locked: the desktop has not allowed Kedoozle to hold back its shortcuts. To allow it for good: GNOME Settings, Apps, Kedoozle, Inhibit system keyboard shortcuts.</source>
        <translation>Teclas não bloqueadas: o ambiente não deixou o Kedoozle segurar os atalhos. Para permitir: Configurações do GNOME, Aplicativos, Kedoozle, Inibir atalhos do sistema.</translation>
    </message>
    <message>
        <source>Keys may not be locked: Kedoozle runs on XWayland here, where the desktop decides whether its own shortcuts, such as Super and Alt+Tab, still work.</source>
        <translation>As teclas podem não estar bloqueadas: aqui o Kedoozle roda no XWayland, onde o ambiente de trabalho decide se os atalhos dele, como Super e Alt+Tab, ainda funcionam.</translation>
    </message>
    <message>
        <source>Keys are not locked while another window has the keyboard: Super, Alt+Tab and the desktop&apos;s other shortcuts work. Click Kedoozle to lock them again.</source>
        <translation>As teclas não estão bloqueadas enquanto outra janela tiver o teclado: Super, Alt+Tab e os outros atalhos do ambiente funcionam. Clique no Kedoozle para bloqueá-las de novo.</translation>
    </message>
    <message>
        <source>Sound is On.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>O som está ligado.<byte value="xd"/>Um adulto deixou<byte value="xd"/>assim.</translation>
    </message>
    <message>
        <source>Sound is Off.<byte value="xd"/>A grown-up has<byte value="xd"/>set it so.</source>
        <translation>O som está desligado.<byte value="xd"/>Um adulto deixou<byte value="xd"/>assim.</translation>
    </message>
    <message>
        <source>The play mode is set by a grown-up.</source>
        <translation>O modo de jogo é escolhido por um adulto.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>TContentText</name>
    <message>
        <source>cannot save: %1 is read-only; nothing was changed</source>
        <translation>não é possível salvar: %1 é somente leitura; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot save: the folder %1 is read-only; nothing was changed</source>
        <translation>não é possível salvar: a pasta %1 é somente leitura; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot save into %1: %2; nothing was changed</source>
        <translation>não é possível salvar em %1: %2; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing was changed</source>
        <translation>não é possível gravar %1: %2; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>cannot replace %1: %2; nothing was changed</source>
        <translation>não é possível substituir %1: %2; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot restore the program&apos;s own content</source>
        <translation>não é possível restaurar o conteúdo próprio do programa</translation>
    </message>
    <message>
        <source>cannot make the folder %1; nothing was changed</source>
        <translation>não é possível criar a pasta %1; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot write %1; nothing was changed</source>
        <translation>não é possível gravar %1; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot read the program&apos;s own content</source>
        <translation>não é possível ler o conteúdo próprio do programa</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>não é possível usar %1: %2</translation>
    </message>
    <message>
        <source>cannot use the recording: %1</source>
        <translation>não é possível usar a gravação: %1</translation>
    </message>
    <message>
        <source>%1: %2 does not exist</source>
        <translation>%1: %2 não existe</translation>
    </message>
    <message>
        <source>%1: the program&apos;s folder was not found; name it with --program FOLDER (the folder of the program and its Kedoozle.ini)</source>
        <translation>%1: a pasta do programa não foi encontrada; indique-a com --program PASTA (a pasta do programa e do seu Kedoozle.ini)</translation>
    </message>
    <message>
        <source>cannot start %1 as the program&apos;s own</source>
        <translation>não é possível criar %1 como cópia das configurações do programa</translation>
    </message>
    <message>
        <source>cannot make %1 from %2</source>
        <translation>não é possível criar %1 a partir de %2</translation>
    </message>
    <message>
        <source> (%1, which [Modules] names, does not exist)</source>
        <translation> (%1, que [Modules] indica, não existe)</translation>
    </message>
    <message>
        <source>cannot keep the content of the keys not packed%1</source>
        <translation>não é possível manter o conteúdo das teclas não empacotadas%1</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>não é possível ler %1: arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 não é um módulo de recursos (não é uma biblioteca PE com recursos)</translation>
    </message>
    <message>
        <source>this photo could not be read. Save it as JPEG and try again.</source>
        <translation>não foi possível ler esta foto. Salve-a como JPEG e tente de novo.</translation>
    </message>
    <message>
        <source>this photo is too large (%1 x %2 pixels). Save a smaller copy as JPEG and try again.</source>
        <translation>esta foto é grande demais (%1 x %2 pixels). Salve uma cópia menor como JPEG e tente de novo.</translation>
    </message>
    <message>
        <source>this picture could not be read. Save it as JPEG or PNG and try again.</source>
        <translation>não foi possível ler esta imagem. Salve-a como JPEG ou PNG e tente de novo.</translation>
    </message>
    <message>
        <source>this picture is damaged or cut short. Copy it again from the phone or camera, and try again.</source>
        <translation>esta imagem está danificada ou incompleta. Copie-a de novo do celular ou da câmera e tente de novo.</translation>
    </message>
    <message>
        <source>this picture is too large (%1 x %2 pixels). Save a smaller copy and try again.</source>
        <translation>esta imagem é grande demais (%1 x %2 pixels). Salve uma cópia menor e tente de novo.</translation>
    </message>
    <message>
        <source>this file could not be opened. Check that it may be read, and try again.</source>
        <translation>não foi possível abrir este arquivo. Verifique se ele pode ser lido e tente de novo.</translation>
    </message>
    <message>
        <source>this file is too large for a picture. Save a smaller copy as JPEG and try again.</source>
        <translation>este arquivo é grande demais para uma imagem. Salve uma cópia menor como JPEG e tente de novo.</translation>
    </message>
    <message>
        <source>this file is empty. Copy the picture again and try again.</source>
        <translation>este arquivo está vazio. Copie a imagem outra vez e tente de novo.</translation>
    </message>
    <message>
        <source>this animation is too long. Shorten it, or save one picture of it as PNG, and try again.</source>
        <translation>esta animação é longa demais. Encurte-a, ou salve uma só imagem dela como PNG, e tente de novo.</translation>
    </message>
    <message>
        <source>an animated PNG: only its first frame is packed. Save it as an animated GIF to keep it moving.</source>
        <translation>um PNG animado: só o primeiro quadro é empacotado. Salve-o como GIF animado para que continue se mexendo.</translation>
    </message>
    <message>
        <source>this sound could not be read. Save it as MP3 or WAV and try again.</source>
        <translation>não foi possível ler este som. Salve-o como MP3 ou WAV e tente de novo.</translation>
    </message>
    <message>
        <source>this sound is of a kind that cannot be played here. Save it as MP3 or WAV and try again.</source>
        <translation>este som é de um tipo que não pode ser tocado aqui. Salve-o como MP3 ou WAV e tente de novo.</translation>
    </message>
    <message>
        <source>this sound is damaged or cut short. Copy it again from the phone or recorder, or save it as MP3 or WAV, and try again.</source>
        <translation>este som está danificado ou incompleto. Copie-o de novo do celular ou do gravador, ou salve-o como MP3 ou WAV, e tente de novo.</translation>
    </message>
    <message>
        <source>this sound is silent. Record it again, nearer the microphone, and try again.</source>
        <translation>este som está mudo. Grave-o de novo, mais perto do microfone, e tente de novo.</translation>
    </message>
    <message>
        <source>this video has no sound. Choose a clip with sound, or a recording, and try again.</source>
        <translation>este vídeo não tem som. Escolha um clipe com som, ou uma gravação, e tente de novo.</translation>
    </message>
    <message>
        <source>spoken names need espeak-ng, which is not installed</source>
        <translation>os nomes falados precisam do espeak-ng, que não está instalado</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>o espeak-ng não tem a voz &quot;%1&quot; (veja espeak-ng --voices)</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>não é possível criar uma pasta temporária: %1</translation>
    </message>
</context>
<context>
    <name>TFrmAboutBox</name>
    <message>
        <source>Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and</source>
        <translation>O Kedoozle é livre: qualquer um pode usá-lo, copiá-lo, alterá-lo e repassá-lo,</translation>
    </message>
    <message>
        <source>free of charge, as long as the licence notice comes along with every copy.</source>
        <translation>para qualquer fim e de graça, desde que a licença acompanhe cada cópia.</translation>
    </message>
    <message>
        <source>It comes as it is, without any promise: see the License Agreement page.</source>
        <translation>Ele vem como está, sem nenhuma garantia: veja a página Contrato de licença.</translation>
    </message>
</context>
<context>
    <name>TKeyPage</name>
    <message>
        <source>&amp;Picture:</source>
        <translation>&amp;Imagem:</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>&amp;Padrão:</translation>
    </message>
    <message>
        <source>S&amp;ound:</source>
        <translation>S&amp;om:</translation>
    </message>
    <message>
        <source>Spoken &amp;name:</source>
        <translation>&amp;Nome falado:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Spoken name</source>
        <translation>Nome falado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>your own</source>
        <translation>seu</translation>
    </message>
    <message>
        <source>spoken by the computer</source>
        <translation>falado pelo computador</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>original</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Imagens (*.jpg *.jpeg *.png *.gif *.bmp *.heic *.heif *.avif *.webp *.tif *.tiff);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;All files (*)</source>
        <translation>Sons (*.wav *.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.amr *.3gp *.mp4 *.mov *.webm);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>&amp;Rótulo:</translation>
    </message>
    <message>
        <source>Restore built-in for this key</source>
        <translation>Restaurar o original nesta tecla</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>De um arquivo...</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Pictures are turned upright and made no larger than play shows them; sounds are trimmed, evened out and kept to five seconds. Nothing is written until you save.</source>
        <translation>As imagens são endireitadas e nunca ficam maiores do que o jogo as mostra; os sons são aparados, nivelados e limitados a cinco segundos. Nada é escrito até você salvar.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Configurações do Kedoozle</translation>
    </message>
    <message>
        <source>%1 for key %2</source>
        <translation>%1 para a tecla %2</translation>
    </message>
    <message>
        <source>The recording cannot be used: %1</source>
        <translation>A gravação não pode ser usada: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Gravar...</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Gra&amp;var...</translation>
    </message>
</context>
<context>
    <name>TRecordDialog</name>
    <message>
        <source>Record a Sound</source>
        <translation>Gravar um som</translation>
    </message>
    <message>
        <source>Press Record and speak near the microphone. The recording stops by itself after %1 seconds; the silence before and after is left out.</source>
        <translation>Pressione Gravar e fale perto do microfone. A gravação para sozinha depois de %1 segundos; o silêncio antes e depois é retirado.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>&amp;Play Back</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Nível do som</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>%1 s of %2 s</source>
        <translation>%1 s de %2 s</translation>
    </message>
    <message>
        <source>No microphone could be opened. Check that one is connected and switched on in the system&apos;s sound settings, then press Record again.</source>
        <translation>Nenhum microfone pôde ser aberto. Verifique se há um conectado e ligado nas configurações de som do sistema e pressione Gravar de novo.</translation>
    </message>
    <message>
        <source>The sound system stopped answering. What was recorded until then is kept.</source>
        <translation>O sistema de som parou de responder. O que foi gravado até então é mantido.</translation>
    </message>
    <message>
        <source>The sound system does not answer. Try again in a moment.</source>
        <translation>O sistema de som não responde. Tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>The microphone went away while recording. What was recorded until then is kept.</source>
        <translation>O microfone foi desconectado durante a gravação. O que foi gravado até então é mantido.</translation>
    </message>
    <message>
        <source>(The system says: %1)</source>
        <translation>(O sistema diz: %1)</translation>
    </message>
    <message>
        <source>This recording cannot be played: %1</source>
        <translation>Esta gravação não pode ser reproduzida: %1</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>Kedoozle Settings</source>
        <translation>Configurações do Kedoozle</translation>
    </message>
    <message>
        <source>The settings cannot be read: %1</source>
        <translation>Não é possível ler as configurações: %1</translation>
    </message>
    <message>
        <source>%1: a random figure in random colours</source>
        <translation>%1: uma figura aleatória em cores aleatórias</translation>
    </message>
    <message>
        <source>%1: the key&apos;s pattern inside a random figure</source>
        <translation>%1: o padrão da tecla dentro de uma figura aleatória</translation>
    </message>
    <message>
        <source>%1: the key&apos;s own shape in the key&apos;s colour</source>
        <translation>%1: a forma própria da tecla, na cor dela</translation>
    </message>
    <message>
        <source>%1: the key&apos;s picture</source>
        <translation>%1: a imagem da tecla</translation>
    </message>
    <message>
        <source>%1: the key&apos;s caption in a random typeface, and its name spoken</source>
        <translation>%1: o rótulo da tecla em uma fonte aleatória, e o nome dela falado</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Changes are kept here until you save them; play uses them from its next start.</source>
        <translation>As alterações ficam aqui até você salvá-las; o jogo as usa a partir do próximo início.</translation>
    </message>
    <message>
        <source>Play mode at the start</source>
        <translation>Modo de jogo no início</translation>
    </message>
    <message>
        <source>During play</source>
        <translation>Durante o jogo</translation>
    </message>
    <message>
        <source>Sound on at the s&amp;tart</source>
        <translation>S&amp;om ligado no início</translation>
    </message>
    <message>
        <source>The c&amp;hild may switch the sound on and off</source>
        <translation>A criança pode ligar e &amp;desligar o som</translation>
    </message>
    <message>
        <source>The child may change the play &amp;mode</source>
        <translation>A criança pode mudar o &amp;modo de jogo</translation>
    </message>
    <message>
        <source>Mo&amp;use play: a click or a drag on the surface draws too</source>
        <translation>Jogo com o mo&amp;use: um clique ou arrasto na superfície também desenha</translation>
    </message>
    <message>
        <source>&amp;Drawings before the surface clears:</source>
        <translation>Desen&amp;hos antes de a superfície se limpar:</translation>
    </message>
    <message>
        <source>&amp;Rest after</source>
        <translation>Desca&amp;nso após</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Tempo de jogo:</translation>
    </message>
    <message>
        <source>When the play time is over, the surface shows a calm resting picture and keys and clicks no longer draw or sound; the exit door still works.</source>
        <translation>Quando o tempo de jogo acaba, a superfície mostra uma imagem calma de descanso e teclas e cliques não desenham nem soam mais; a porta de saída continua funcionando.</translation>
    </message>
    <message>
        <source>Spoken key names</source>
        <translation>Nomes das teclas falados</translation>
    </message>
    <message>
        <source>The program&apos;s own (English)</source>
        <translation>A do programa (inglês)</translation>
    </message>
    <message>
        <source>Speak the key &amp;names in this voice</source>
        <translation>&amp;Falar os nomes das teclas com esta voz</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>No computer voices are installed (the espeak-ng package).</source>
        <translation>Nenhuma voz de computador está instalada (o pacote espeak-ng).</translation>
    </message>
    <message>
        <source>Pick a key: click it, or press it on the keyboard. A photo or a sound file dropped on a key goes to that key.</source>
        <translation>Escolha uma tecla: clique nela ou pressione-a no teclado. Uma foto ou um arquivo de som solto sobre uma tecla vai para essa tecla.</translation>
    </message>
    <message>
        <source>Restore built-in for all keys</source>
        <translation>Restaurar o original em todas as teclas</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvando...</translation>
    </message>
    <message>
        <source>Nothing was saved: %1

Your changes are still here.</source>
        <translation>Nada foi salvo: %1

Suas alterações continuam aqui.</translation>
    </message>
    <message>
        <source>Saved. Play uses the new settings from its next start.</source>
        <translation>Salvo. O jogo usa as novas configurações a partir do próximo início.</translation>
    </message>
    <message>
        <source>Speaking the key names...</source>
        <translation>Falando os nomes das teclas...</translation>
    </message>
    <message>
        <source>The key names are spoken in the new voice; your own recordings stay.</source>
        <translation>Os nomes das teclas são falados com a nova voz; suas próprias gravações ficam.</translation>
    </message>
    <message>
        <source>Give every key its built-in picture, pattern, sound, spoken name and caption back?</source>
        <translation>Devolver a cada tecla a imagem, o padrão, o som, o nome falado e o rótulo originais?</translation>
    </message>
    <message>
        <source>Save your changes before closing?</source>
        <translation>Salvar as alterações antes de fechar?</translation>
    </message>
    <message>
        <source>Key names that could not be spoken: %1. Those keys keep what they had.</source>
        <translation>Nomes de teclas que não puderam ser falados: %1. Essas teclas ficam com o que tinham.</translation>
    </message>
    <message>
        <source>Kedoozle does not play while this window is open: close it, then start Kedoozle again.</source>
        <translation>O Kedoozle não inicia o jogo enquanto esta janela estiver aberta: feche-a e depois inicie o Kedoozle de novo.</translation>
    </message>
</context>
<context>
    <name>TToolText</name>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;:&apos;)</source>
        <translation>&quot;%1&quot; não é TIPO:NOME=ARQUIVO (falta &apos;:&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not TYPE:NAME=FILE (no &apos;=&apos;)</source>
        <translation>&quot;%1&quot; não é TIPO:NOME=ARQUIVO (falta &apos;=&apos;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no file</source>
        <translation>&quot;%1&quot; não indica nenhum arquivo</translation>
    </message>
    <message>
        <source>cannot read manifest %1: it is a folder</source>
        <translation>não é possível ler o manifesto %1: é uma pasta</translation>
    </message>
    <message>
        <source>cannot read manifest %1: No such file or directory</source>
        <translation>não é possível ler o manifesto %1: arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>cannot read manifest %1: read error</source>
        <translation>não é possível ler o manifesto %1: erro de leitura</translation>
    </message>
    <message>
        <source>build needs an output file: kdmodule build OUT.dll TYPE:NAME=FILE ...</source>
        <translation>build precisa de um arquivo de saída: kdmodule build OUT.dll TYPE:NAME=FILE ...</translation>
    </message>
    <message>
        <source>--manifest needs a file name</source>
        <translation>--manifest precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>unknown option %1 for build</source>
        <translation>opção desconhecida %1 para build</translation>
    </message>
    <message>
        <source>argument %1</source>
        <translation>argumento %1</translation>
    </message>
    <message>
        <source>build needs at least one TYPE:NAME=FILE or --manifest FILE</source>
        <translation>build precisa de pelo menos um TYPE:NAME=FILE ou --manifest FILE</translation>
    </message>
    <message>
        <source>the manifest lists no resources</source>
        <translation>o manifesto não lista nenhum recurso</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>--kind must be patterns or pictures, not &apos;%1&apos;</source>
        <translation>--kind deve ser patterns ou pictures, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for check</source>
        <translation>opção desconhecida &apos;%1&apos; para check</translation>
    </message>
    <message>
        <source>check takes one module, not &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>check aceita um só módulo, não &apos;%1&apos; e &apos;%2&apos;</translation>
    </message>
    <message>
        <source>check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</source>
        <translation>check precisa de MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>nenhuma imagem</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>não é um arquivo WAVE</translation>
    </message>
    <message>
        <source>short format chunk</source>
        <translation>bloco de formato curto demais</translation>
    </message>
    <message>
        <source>not PCM samples (format %1)</source>
        <translation>não são amostras PCM (formato %1)</translation>
    </message>
    <message>
        <source>unplayable format (%1 channels, %2 Hz, %3 bits)</source>
        <translation>formato não reproduzível (%1 canais, %2 Hz, %3 bits)</translation>
    </message>
    <message>
        <source>no format chunk before the samples</source>
        <translation>nenhum bloco de formato antes das amostras</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>nenhuma amostra</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>nenhum bloco de formato</translation>
    </message>
    <message>
        <source>cannot read %1: No such file</source>
        <translation>não é possível ler %1: arquivo inexistente</translation>
    </message>
    <message>
        <source>%1: not a picture (no bitmap, GIF, JPEG or metafile signature)</source>
        <translation>%1: não é uma imagem (sem assinatura de bitmap, GIF, JPEG ou metarquivo)</translation>
    </message>
    <message>
        <source> (type code %1, but the data is %2, type code %3)</source>
        <translation> (código de tipo %1, mas os dados são %2, código de tipo %3)</translation>
    </message>
    <message>
        <source>%1: no RCDATA picture or WAVE sound resources</source>
        <translation>%1: nenhum recurso de imagem RCDATA ou de som WAVE</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n imagem</numerusform>
            <numerusform>%n imagens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n som</numerusform>
            <numerusform>%n sons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failure(s)</source>
        <translation>
            <numerusform>%n falha</numerusform>
            <numerusform>%n falhas</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR</source>
        <translation>extract aceita MODULE.dll TYPE NAME OUT, ou MODULE.dll --all DIR</translation>
    </message>
    <message>
        <source>resource %1:%2 not found in %3</source>
        <translation>recurso %1:%2 não encontrado em %3</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version não aceita argumentos</translation>
    </message>
    <message>
        <source>number %1 is out of range (1..65535)</source>
        <translation>o número %1 está fora do intervalo (1..65535)</translation>
    </message>
    <message>
        <source>number 0 is not a valid resource id</source>
        <translation>o número 0 não é um identificador de recurso válido</translation>
    </message>
    <message>
        <source>empty resource type</source>
        <translation>tipo de recurso vazio</translation>
    </message>
    <message>
        <source>empty resource name</source>
        <translation>nome de recurso vazio</translation>
    </message>
    <message>
        <source>resource type &quot;%1&quot; starts with # but is not a number</source>
        <translation>o tipo de recurso &quot;%1&quot; começa com # mas não é um número</translation>
    </message>
    <message>
        <source>resource name &quot;%1&quot; starts with # but is not a number</source>
        <translation>o nome de recurso &quot;%1&quot; começa com # mas não é um número</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>não é possível ler %1: é uma pasta</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: read error</source>
        <translation>não é possível ler %1: erro de leitura</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>não é possível substituir o arquivo</translation>
    </message>
    <message>
        <source>cannot read %1: No such file or directory</source>
        <translation>não é possível ler %1: arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>%1 is not a resource module (not a PE library with resources)</source>
        <translation>%1 não é um módulo de recursos (não é uma biblioteca PE com recursos)</translation>
    </message>
    <message>
        <source>list takes one module: kdmodule list MODULE.dll</source>
        <translation>list aceita um só módulo: kdmodule list MODULE.dll</translation>
    </message>
    <message>
        <source>%1 (kdmodule --help lists the commands)</source>
        <translation>%1 (kdmodule --help lista os comandos)</translation>
    </message>
    <message>
        <source>no command given (build, list, extract, render, check, pack)</source>
        <translation>nenhum comando dado (build, list, extract, render, check, pack)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pack: unknown option %1</source>
        <translation>pack: opção desconhecida %1</translation>
    </message>
    <message>
        <source>pack needs FOLDER and OUTDIR</source>
        <translation>pack precisa de FOLDER e OUTDIR</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>unknown key name &quot;%1&quot;</source>
        <translation>nome de tecla desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>key %1 already has %2</source>
        <translation>a tecla %1 já tem %2</translation>
    </message>
    <message>
        <source>--speak needs espeak-ng, which is not installed</source>
        <translation>--speak precisa do espeak-ng, que não está instalado</translation>
    </message>
    <message>
        <source>espeak-ng has no voice &quot;%1&quot; (see espeak-ng --voices)</source>
        <translation>o espeak-ng não tem a voz &quot;%1&quot; (veja espeak-ng --voices)</translation>
    </message>
    <message>
        <source>key %1 spoken</source>
        <translation>tecla %1 falada</translation>
    </message>
    <message>
        <source>%1 is not the program&apos;s folder: it has no Kedoozle.ini</source>
        <translation>%1 não é a pasta do programa: não tem Kedoozle.ini</translation>
    </message>
    <message>
        <source>Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names</source>
        <translation>Empacotados: %1 imagens, %2 padrões, %3 sons, %4 nomes falados</translation>
    </message>
    <message>
        <source>Skipped files: %1</source>
        <translation>Arquivos ignorados: %1</translation>
    </message>
    <message>
        <source>Modules:</source>
        <translation>Módulos:</translation>
    </message>
    <message>
        <source>none written: nothing to pack</source>
        <translation>nenhum gravado: nada para empacotar</translation>
    </message>
    <message>
        <source>%1  %2: %3 packed, %4 kept from %5</source>
        <translation>%1  %2: %3 empacotados, %4 mantidos de %5</translation>
    </message>
    <message>
        <source>cannot read pack folder %1: not a folder</source>
        <translation>não é possível ler a pasta a empacotar %1: não é uma pasta</translation>
    </message>
    <message>
        <source>Settings started as a copy of %1 and updated: %2</source>
        <translation>Configurações criadas como cópia de %1 e atualizadas: %2</translation>
    </message>
    <message>
        <source>Settings updated: %1</source>
        <translation>Configurações atualizadas: %1</translation>
    </message>
    <message>
        <source>Settings not changed (no --ini).</source>
        <translation>Configurações não alteradas (sem --ini).</translation>
    </message>
    <message>
        <source>Done in %1 s.</source>
        <translation>Feito em %1 s.</translation>
    </message>
    <message>
        <source>type code &apos;%1&apos; is not a number (0 bitmap, 1 GIF, 2 JPEG, 3 metafile, 4 icon)</source>
        <translation>o código de tipo &apos;%1&apos; não é um número (0 bitmap, 1 GIF, 2 JPEG, 3 metarquivo, 4 ícone)</translation>
    </message>
    <message>
        <source>cannot encode %1 as PNG</source>
        <translation>não é possível codificar %1 como PNG</translation>
    </message>
    <message>
        <source>picture %1 is too large to render: %2 x %3 pixels (at most %4)</source>
        <translation>a imagem %1 é grande demais para desenhar: %2 x %3 pixels (no máximo %4)</translation>
    </message>
    <message>
        <source>render needs FILE OUT.png, or MODULE.dll NAME TYPECODE OUT.png</source>
        <translation>render precisa de FILE OUT.png, ou MODULE.dll NAME TYPECODE OUT.png</translation>
    </message>
    <message>
        <source>a bitmap</source>
        <translation>um bitmap</translation>
    </message>
    <message>
        <source>a GIF</source>
        <translation>um GIF</translation>
    </message>
    <message>
        <source>a JPEG</source>
        <translation>um JPEG</translation>
    </message>
    <message>
        <source>a metafile</source>
        <translation>um metarquivo</translation>
    </message>
    <message>
        <source>an icon</source>
        <translation>um ícone</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>som</translation>
    </message>
    <message>
        <source>spoken name</source>
        <translation>nome falado</translation>
    </message>
</context>
</TS>
