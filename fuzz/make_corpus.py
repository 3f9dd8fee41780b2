#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz harnesses: documents like the tests' fixtures, and an
attack set every XML harness starts from.

Usage: make_corpus.py OUTPUT_FOLDER [SCHEMA_HOST]
"""
import gzip
import os
import sys

out = sys.argv[1]
host = sys.argv[2] if len(sys.argv) > 2 else "nfse.example.org"
ns = lambda path: f"http://{host}/{path}"
cancel_request_ns = ns("servico_cancelar_nfse_envio_v03.xsd")
cancel_response_ns = ns("servico_cancelar_nfse_resposta_v03.xsd")
query_request_ns = ns("servico_consultar_nfse_rps_envio_v03.xsd")
query_response_ns = ns("servico_consultar_nfse_rps_resposta_v03.xsd")
decl = '<?xml version="1.0" encoding="UTF-8"?>\n'

pedido = (
    '<Pedido><InfPedidoCancelamento Id="C1"><IdentificacaoNfse><Numero>42</Numero>'
    "<Cnpj>12345678000199</Cnpj><InscricaoMunicipal>9876</InscricaoMunicipal>"
    "<CodigoMunicipio>3550308</CodigoMunicipio></IdentificacaoNfse>"
    "<CodigoCancelamento>1</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
)
cancel_request = [
    decl + f'<CancelarNfseEnvio xmlns="{cancel_request_ns}">{pedido}</CancelarNfseEnvio>',
    f'<p:CancelarNfseEnvio xmlns:p="{cancel_request_ns.upper()}"><p:Pedido/></p:CancelarNfseEnvio>',
    f'<CancelarNfseEnvio xmlns="{cancel_request_ns}"><Pedido><InfPedidoCancelamento Id="&amp;&lt;\t">'
    "<IdentificacaoNfse><Numero>4294967296</Numero><CodigoMunicipio>x</CodigoMunicipio>"
    "</IdentificacaoNfse></InfPedidoCancelamento></Pedido></CancelarNfseEnvio>",
]
cancel_response = [
    decl + f'<CancelarNfseResposta xmlns="{cancel_response_ns}"><Cancelamento>'
    f'<Confirmacao Id="K1">{pedido}<InfConfirmacaoCancelamento><Sucesso>true</Sucesso>'
    "<DataHora>2010-01-01T10:00:00</DataHora></InfConfirmacaoCancelamento></Confirmacao>"
    "</Cancelamento></CancelarNfseResposta>",
    f'<CancelarNfseResposta xmlns="{cancel_response_ns}"><ListaMensagemRetorno>'
    "<MensagemRetorno><Codigo>E1</Codigo><Mensagem>m\u00e9</Mensagem><Correcao>c</Correcao>"
    "</MensagemRetorno><MensagemRetorno/><x:MensagemRetorno xmlns:x=\"urn:x\"/>"
    "</ListaMensagemRetorno></CancelarNfseResposta>",
]
query_request = [
    decl + f'<ConsultarNfseRpsEnvio xmlns="{query_request_ns}"><IdentificacaoRps>'
    "<Numero>7</Numero><Serie>A\u00e7</Serie><Tipo>1</Tipo></IdentificacaoRps><Prestador>"
    "<Cnpj>12345678000199</Cnpj><InscricaoMunicipal>1</InscricaoMunicipal></Prestador>"
    '<dsig:Signature xmlns:dsig="http://www.w3.org/2000/09/xmldsig#">s</dsig:Signature>'
    "</ConsultarNfseRpsEnvio>",
    f'<ConsultarNfseRpsEnvio xmlns="{query_request_ns}"><IdentificacaoRps><Tipo>-129</Tipo>'
    "</IdentificacaoRps></ConsultarNfseRpsEnvio>",
]
query_response = [
    decl + f'<ConsultarNfseRpsResposta xmlns="{query_response_ns}"><CompNfse><Nfse>'
    '<InfNfse Id="N1"><Numero>12</Numero><CodigoVerificacao>AB-12</CodigoVerificacao>'
    "<DataEmissao>2010-01-01T10:00:00</DataEmissao><IdentificacaoRps><Numero>7</Numero>"
    "<Serie>A</Serie><Tipo>1</Tipo></IdentificacaoRps><NaturezaOperacao>1</NaturezaOperacao>"
    "<Servico><Valores><ValorServicos>100.00</ValorServicos></Valores>"
    "<ItemListaServico>0101</ItemListaServico><Discriminacao>d</Discriminacao></Servico>"
    "<PrestadorServico><IdentificacaoPrestador><Cnpj>12345678000199</Cnpj>"
    "</IdentificacaoPrestador><RazaoSocial>R</RazaoSocial><Endereco><Endereco>Rua</Endereco>"
    "</Endereco></PrestadorServico><TomadorServico><IdentificacaoTomador><CpfCnpj><Cpf>1</Cpf>"
    "</CpfCnpj></IdentificacaoTomador></TomadorServico></InfNfse>"
    '<dsig:Signature xmlns:dsig="http://www.w3.org/2000/09/xmldsig#">s</dsig:Signature></Nfse>'
    f"<NfseCancelamento><Confirmacao Id=\"K\">{pedido}<InfConfirmacaoCancelamento>"
    "<Sucesso>true</Sucesso><DataHora>2010-01-02T10:00:00</DataHora>"
    "</InfConfirmacaoCancelamento></Confirmacao></NfseCancelamento><NfseSubstituicao>"
    '<SubstituicaoNfse Id="S"><NfseSubstituidora>13</NfseSubstituidora></SubstituicaoNfse>'
    "</NfseSubstituicao></CompNfse></ConsultarNfseRpsResposta>",
    f'<ConsultarNfseRpsResposta xmlns="{query_response_ns}"><ListaMensagemRetorno>'
    "<MensagemRetorno><Codigo>E4</Codigo><Mensagem>n\u00e3o</Mensagem><Correcao/>"
    "</MensagemRetorno></ListaMensagemRetorno></ConsultarNfseRpsResposta>",
]


def attacks(root, namespace):
    """Hostile inputs around one root element."""
    open_tag = f'<{root} xmlns="{namespace}">'
    close_tag = f"</{root}>"
    lol = "".join(
        f'<!ENTITY l{i} "{"&l%d;" % (i - 1) * 10 if i else "lol"}">' for i in range(10)
    )
    big = "A" * 50000
    texts = {
        "entity_bomb": f"<!DOCTYPE {root} [{lol}]>{open_tag}<Codigo>&l9;</Codigo>{close_tag}",
        "quadratic": f'<!DOCTYPE {root} [<!ENTITY a "{big}">]>{open_tag}'
        + "<Cnpj>" + "&a;" * 2000 + "</Cnpj>" + close_tag,
        "external_file": f'<!DOCTYPE {root} [<!ENTITY x SYSTEM "file:///etc/passwd">]>'
        f"{open_tag}<Cnpj>&x;</Cnpj>{close_tag}",
        "external_url": f'<!DOCTYPE {root} [<!ENTITY x SYSTEM "http://127.0.0.1:9/x">]>'
        f"{open_tag}<Cnpj>&x;</Cnpj>{close_tag}",
        "parameter_entity": f'<!DOCTYPE {root} [<!ENTITY % p SYSTEM "file:///etc/passwd"> %p;]>'
        f"{open_tag}{close_tag}",
        "dtd_load": f'<!DOCTYPE {root} SYSTEM "file:///etc/passwd">{open_tag}{close_tag}',
        "dtd_url": f'<!DOCTYPE {root} PUBLIC "-//x//y" "http://127.0.0.1:9/x.dtd">{open_tag}{close_tag}',
        "xinclude": f'{open_tag}<xi:include xmlns:xi="http://www.w3.org/2001/XInclude" '
        f'href="file:///etc/passwd" parse="text"/>{close_tag}',
        "deep": open_tag + "<a>" * 5000 + "</a>" * 5000 + close_tag,
        "huge_name": f"{open_tag}<{'N' * 100000}/>{close_tag}",
        "huge_attribute": f'{open_tag}<Pedido Id="{"v" * 200000}"/>{close_tag}',
        "many_attributes": open_tag.replace(">", " " + " ".join(f"a{i}='{i}'" for i in range(3000)) + ">")
        + close_tag,
        "controls": f"{open_tag}<Cnpj>a&#1;b</Cnpj>{close_tag}",
        "surrogate_reference": f"{open_tag}<Cnpj>&#xD800;</Cnpj>{close_tag}",
    }
    raw = {name: text.encode() for name, text in texts.items()}
    raw["invalid_utf8"] = f"{open_tag}<Cnpj>".encode() + b"\xc3\x28\xff\xed\xa0\x80" + f"</Cnpj>{close_tag}".encode()
    raw["utf16le"] = b"\xff\xfe" + (decl.replace("UTF-8", "UTF-16") + open_tag + close_tag).encode("utf-16-le")
    raw["utf16_lone_surrogate"] = b"\xff\xfe" + (open_tag + "<Cnpj>").encode("utf-16-le") + b"\x00\xd8" + (
        "</Cnpj>" + close_tag).encode("utf-16-le")
    raw["utf16_odd_length"] = raw["utf16le"][:-1]
    raw["bom_utf8_says_utf16"] = b"\xef\xbb\xbf" + (decl.replace("UTF-8", "UTF-16") + open_tag + close_tag).encode()
    raw["bom_utf16_says_utf8"] = b"\xfe\xff" + (decl + open_tag + close_tag).encode("utf-16-be")
    raw["latin1_declared"] = (decl.replace("UTF-8", "ISO-8859-1") + open_tag + "<Cnpj>\xe7</Cnpj>" + close_tag).encode("latin-1")
    raw["unknown_encoding"] = (decl.replace("UTF-8", "X-NOTHING") + open_tag + close_tag).encode()
    raw["gzip"] = gzip.compress((decl + open_tag + close_tag).encode())
    raw["empty"] = b""
    raw["nul"] = b"\x00" * 16
    return raw


def write(folder, items):
    path = os.path.join(out, folder)
    os.makedirs(path, exist_ok=True)
    for name, data in items.items():
        with open(os.path.join(path, name), "wb") as f:
            f.write(data if isinstance(data, bytes) else data.encode())


def documents(prefix, texts):
    return {f"{prefix}_{i}": text for i, text in enumerate(texts)}


write("cancel_request_fuzzer",
      {**documents("request", cancel_request), **attacks("CancelarNfseEnvio", cancel_request_ns)})
write("cancel_response_fuzzer",
      {**documents("response", cancel_response), **attacks("CancelarNfseResposta", cancel_response_ns)})
write("query_request_fuzzer",
      {**documents("request", query_request), **attacks("ConsultarNfseRpsEnvio", query_request_ns)})
write("query_response_fuzzer",
      {**documents("response", query_response),
       **attacks("ConsultarNfseRpsResposta", query_response_ns)})

saved = query_request[0].replace("\n", "\r\n")
write("namespace_patch_fuzzer", {
    "request": query_request[0],
    "request_crlf_mixed": saved.replace("<Serie>", "\r<Serie>\n"),
    "request_utf16le_bom": b"\xff\xfe" + query_request[0].replace("UTF-8", "UTF-16").encode("utf-16-le"),
    "request_utf16be_nobom": query_request[0].replace("UTF-8", "UTF-16").encode("utf-16-be"),
    "request_utf16_odd": query_request[0].encode("utf-16-le")[:-1],
    "request_utf32": query_request[0].encode("utf-32"),
    "tags_only": "<Numero><Serie><Tipo><Cnpj><InscricaoMunicipal>",
})
write("grid_integer_fuzzer", {f"value_{i}": v for i, v in enumerate([
    "42", "  -2147483648", "+2147483647", "2147483648", "$7FFFFFFF", "-0x80000000", "x1f", "X", "",
    "\t+0", "1 ", "--1", "+-1", "0x", "99999999999999999999999",
])})

types_ns = ns("tipos_v03.xsd")
service_documents = [
    f'<CancelarNfseEnvio xmlns="{cancel_request_ns}" xmlns:tipos="{types_ns}"><Pedido xmlns="">'
    '<tipos:InfPedidoCancelamento Id="C1"><tipos:IdentificacaoNfse><tipos:Numero>42</tipos:Numero>'
    "</tipos:IdentificacaoNfse><tipos:CodigoCancelamento>1</tipos:CodigoCancelamento>"
    "</tipos:InfPedidoCancelamento></Pedido></CancelarNfseEnvio>",
    f'<r:CancelarNfseResposta xmlns:r="{cancel_response_ns}" xmlns="{types_ns}"><r:Cancelamento>'
    '<Confirmacao Id="K1"><InfConfirmacaoCancelamento><Sucesso>false</Sucesso>'
    "</InfConfirmacaoCancelamento></Confirmacao></r:Cancelamento><ListaMensagemRetorno>"
    "<MensagemRetorno><Codigo>E1</Codigo></MensagemRetorno></ListaMensagemRetorno>"
    "</r:CancelarNfseResposta>",
    f'<ConsultarNfseRpsEnvio xmlns="{query_request_ns}" xmlns:tipos="{types_ns}"><IdentificacaoRps>'
    "<tipos:Numero>45</tipos:Numero><tipos:Serie>U</tipos:Serie><tipos:Tipo>1</tipos:Tipo>"
    "</IdentificacaoRps></ConsultarNfseRpsEnvio>",
    decl + f'<ConsultarNfseRpsResposta xmlns="{query_response_ns}" xmlns:t="{types_ns}">\n'
    '  <CompNfse>\n    <t:Nfse><t:InfNfse Id="N1"><t:Numero>1</t:Numero></t:InfNfse></t:Nfse>\n'
    "  </CompNfse>\n</ConsultarNfseRpsResposta>\n",
]
write("convert_fuzzer", {
    **documents("specified", cancel_request + cancel_response + query_request + query_response),
    **documents("service", service_documents),
    **attacks("ConsultarNfseRpsResposta", query_response_ns),
})


def escaped(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


soap11 = "http://schemas.xmlsoap.org/soap/envelope/"
soap12 = "http://www.w3.org/2003/05/soap-envelope"


def envelope(body, soap=soap11):
    return (decl + f'<s:Envelope xmlns:s="{soap}" xmlns:ws="urn:ws"><s:Header/><s:Body>'
            f"{body}</s:Body></s:Envelope>")


header = escaped('<cabecalho versao="3"><versaoDados>3</versaoDados></cabecalho>')
latin1_request = cancel_request[0].replace("UTF-8", "ISO-8859-1").replace(">9876<", ">S\u00e3o<")
write("envelope_fuzzer", {
    "request_escaped": envelope(f"<ws:CancelarNfse><nfseCabecMsg>{header}</nfseCabecMsg>"
                                f"<nfseDadosMsg>{escaped(latin1_request)}</nfseDadosMsg></ws:CancelarNfse>"),
    "response_cdata": envelope(f"<ws:R><return>\n<![CDATA[{cancel_response[0]}]]>\n</return></ws:R>"),
    "response_output_xml": envelope(f"<ws:R><outputXML>{escaped(query_response[0])}</outputXML></ws:R>"),
    "element_soap12": envelope(f"<ws:Q>{service_documents[2]}</ws:Q>", soap12),
    "fault": envelope("<s:Fault><faultcode>s:Server</faultcode><faultstring>x</faultstring></s:Fault>"),
    "part_not_xml": envelope(f"<ws:C><nfseCabecMsg>{header}</nfseCabecMsg><nfseDadosMsg>a &amp; b"
                             "</nfseDadosMsg></ws:C>"),
    "part_attack": envelope("<ws:C><nfseDadosMsg>" + escaped(
        attacks("CancelarNfseEnvio", cancel_request_ns)["entity_bomb"].decode()) + "</nfseDadosMsg></ws:C>"),
    "no_body": f'<s:Envelope xmlns:s="{soap11}"/>',
    **attacks("Envelope", soap11),
})
