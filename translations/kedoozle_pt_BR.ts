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
</TS>
